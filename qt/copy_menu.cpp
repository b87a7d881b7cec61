#include "qt/copy_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>

#include "form/texts.h"

namespace qt {

namespace {

void Copy(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

}  // namespace

void OpenCopyMenu(QWidget* owner, const QLabel* field, const QPoint& global) {
    auto* menu = new QMenu(owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QString::fromUtf8(form::texts::kCopy));
    copy->setEnabled(!field->text().isEmpty());
    // The text as it is when the entry is picked; nothing can change it while the menu is open.
    QObject::connect(copy, &QAction::triggered, menu, [field = QPointer<const QLabel>(field)] {
        if (field) Copy(field->text());
    });
    // Not exec(): no event loop of its own, so the window goes on as with any other popup.
    menu->popup(global);
}

}  // namespace qt
