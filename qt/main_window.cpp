#include "qt/main_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <cmath>
#include <future>
#include <initializer_list>
#include <utility>
#include <vector>

#include "form/accessible_text.h"
#include "form/colour_scheme.h"
#include "form/texts.h"
#include "qt/accessible_box.h"
#include "qt/colour.h"
#include "qt/copy_menu.h"
#include "qt/focus_before_caret.h"
#include "qt/line.h"

namespace qt {

namespace {

// The faces of kFontFaces installed here, in their order. A face missing from the list would make
// Qt ask fontconfig for its whole list of substitutes, once for each font of the window, and then
// take the first installed face anyway.
const QStringList& InstalledFontFaces() {
    static const QStringList faces = [] {
        const QStringList installed = QFontDatabase::families();
        QStringList all, found;
        for (const char* face : form::kFontFaces) {
            all << QString::fromLatin1(face);
            if (installed.contains(all.back())) found << all.back();
        }
        // With none of them installed, fontconfig's substitutes decide as before.
        return found.isEmpty() ? all : found;
    }();
    return faces;
}

QFont FontOf(const form::FontStyle& style) {
    QFont font;
    font.setFamilies(InstalledFontFaces());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

QRect PixelRect(int left, int top, int width, int height) {
    return QRect(form::TwipsToPixels(left), form::TwipsToPixels(top), form::TwipsToPixels(width),
                 form::TwipsToPixels(height));
}

// Sets the roles' colours in the widget's palette; a palette that stays the same is no change.
void SetColours(QWidget* widget,
                std::initializer_list<std::pair<QPalette::ColorRole, unsigned>> colours) {
    if (!widget) return;  // not yet made
    QPalette p = widget->palette();
    for (const auto& [role, rgb] : colours) p.setColor(role, ToColour(rgb));
    widget->setPalette(p);
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every size embedded, so the title bar and the task switcher each pick a sharp one.
std::vector<QImage> IconImages() {
    std::vector<QImage> images;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList({QStringLiteral("fernbogen-*.png")})) {
        // Qt's own PNG reader, named: guessing the format would first load and ask every image
        // plugin installed, which costs the start several milliseconds.
        QImageReader reader(icons.filePath(file), "png");
        reader.setAutoDetectImageFormat(false);
        images.push_back(reader.read());
    }
    return images;
}

QIcon IconOf(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

// The window as a frame, for Qt reads a plain top-level widget as a filler and a screen reader
// finds a window's title on its frame; the notification shown, if any, is its last child.
class AccessibleWindow : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(MainWindow* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + (Shown() != nullptr ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        return index == QAccessibleWidget::childCount() ? Shown() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == Shown() ? QAccessibleWidget::childCount()
                                                    : QAccessibleWidget::indexOfChild(child);
    }

  private:
    QAccessibleInterface* Shown() const {
        Notice* notice = static_cast<MainWindow*>(widget())->Announcements()->Shown();
        return notice != nullptr ? QAccessible::queryAccessibleInterface(notice) : nullptr;
    }
};

QAccessibleInterface* AccessibleInterfaceOf(const QString&, QObject* object) {
    if (auto* box = dynamic_cast<EditBox*>(object)) return new AccessibleBox(box);
    if (auto* window = dynamic_cast<MainWindow*>(object)) return new AccessibleWindow(window);
    if (auto* notice = dynamic_cast<Notice*>(object)) return new AccessibleNotice(notice);
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), form_(*this) {
    static const bool accessibleInterfacesInstalled =
        (QAccessible::installFactory(AccessibleInterfaceOf), ReportFocusBeforeCaret(), true);
    Q_UNUSED(accessibleInterfacesInstalled);
    setObjectName(QStringLiteral("Form1"));
    // A fixed frame with the icon's system menu and the close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(form::texts::kWindowCaption));
    // Decoding the icon would add a tenth to the time until the window shows; another thread does
    // it while the controls are built.
    std::future<std::vector<QImage>> iconImages = std::async(std::launch::async, IconImages);
    setFixedSize(form::TwipsToPixels(form::kClientWidth), form::TwipsToPixels(form::kClientHeight));
    setFocusPolicy(Qt::NoFocus);

    setAutoFillBackground(true);

    // Lines and labels first: controls created later are drawn above, and the boxes must cover the
    // leading blanks of the unit signs that overlap them.
    for (const form::LineLayout& layout : form::kLines) new Line(layout, this);

    for (const form::LabelLayout& layout : form::kLabels) {
        const form::LabelStyle& style = form::StyleOf(layout.kind);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(layout.label));
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setFont(FontOf(style.font));
        label->setAutoFillBackground(true);
        if (style.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(style.centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        label->setText(QString::fromUtf8(layout.caption));
        // No accessible name: every label reads as its caption, a result as its figure, which is
        // what a screen reader's review of the window then says. What a result is stands in its
        // description.
        label->setAccessibleDescription(
            QString::fromStdString(form::AccessibleNameOfLabel(layout.label)));
        label->setGeometry(PixelRect(layout.left, layout.top, layout.width, layout.height));
        if (style.autoSize) label->adjustSize();
        labels_[layout.label - 1] = label;
    }

    // Boxes in tab order: creation order is the focus chain, and Tab from the last wraps to the
    // first, which takes the focus when the window opens.
    const QFont boxFont = FontOf(form::kBoxFont);
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder) {
        auto* box = new EditBox(layout.box, *this, this);
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(layout.maxLength);
        box->setTextMargins(0, 0, 0, 0);
        box->setGeometry(PixelRect(layout.left, layout.top, layout.width, form::kBoxHeight));
        box->WriteText(QString::fromUtf8(layout.initialText));
        box->setAccessibleName(QString::fromStdString(form::AccessibleNameOfBox(layout.box)));
        box->setAccessibleDescription(
            QString::fromStdString(form::AccessibleDescriptionOfBox(layout.box)));
        boxes_[layout.box - 1] = box;
    }
    ApplyColours();
    boxes_[form::kBoxesInTabOrder.front().box - 1]->setFocus(Qt::OtherFocusReason);
    setWindowIcon(IconOf(iconImages.get()));
}

void MainWindow::changeEvent(QEvent* event) {
    // The desktop's colour scheme changed: the figures must read on peach in the new one too.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        ApplyColours();
    QWidget::changeEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    for (const int label : form::kResultLabels) {
        const QLabel* field = labels_[label - 1];
        if (field->geometry().contains(event->pos())) {
            OpenCopyMenu(this, field, event->globalPos());
            return;
        }
    }
    QWidget::contextMenuEvent(event);
}

void MainWindow::ApplyColours() {
    const QPalette system = QApplication::palette();
    const auto rgb = [&system](QPalette::ColorRole role) {
        return system.color(role).rgb() & 0xFFFFFFu;
    };
    const form::ColourScheme scheme =
        form::SchemeOf(false, {rgb(QPalette::Base), rgb(QPalette::Text), rgb(QPalette::Window),
                               rgb(QPalette::WindowText)});
    SetColours(this, {{QPalette::Window, scheme.window}});
    for (const form::LabelLayout& layout : form::kLabels)
        SetColours(labels_[layout.label - 1],
                   {{QPalette::WindowText, scheme.TextOf(layout.kind)},
                    {QPalette::Window, scheme.BackgroundOf(layout.kind)}});
    for (EditBox* box : boxes_)
        SetColours(box, {{QPalette::Base, scheme.field}, {QPalette::Text, scheme.figures}});
}

MainWindow::~MainWindow() {
    // Focus moves while the controls are torn down; no handler may run on a half-gone window.
    for (EditBox* box : boxes_) box->Detach();
}

std::string MainWindow::BoxText(int box) const {
    return boxes_[box - 1]->text().toStdString();
}

void MainWindow::SetBoxText(int box, std::string_view text) {
    boxes_[box - 1]->WriteText(FromUtf8(text));
}

void MainWindow::SetLabelCaption(int label, std::string_view caption) {
    labels_[label - 1]->setText(FromUtf8(caption));
}

void MainWindow::Beep() {
    QApplication::beep();
    emit Beeped();
}

void MainWindow::Announce(std::string_view message) {
    if (message.empty())
        announcer_.Withdraw();
    else
        announcer_.Queue(FromUtf8(message));
}

std::optional<double> MainWindow::ToNumber(std::string_view text) const {
    bool ok = false;
    const double value = QLocale().toDouble(FromUtf8(text), &ok);
    // The locale reads "inf" and "nan" as numbers; no box value may be either.
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string MainWindow::DecimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void MainWindow::KeyPress(int box, int& keyAscii) {
    form_.KeyPress(box, keyAscii);
}

// A context menu takes the focus with PopupFocusReason, another program with
// ActiveWindowFocusReason; neither leaves the box.
void MainWindow::FocusIn(int box, Qt::FocusReason reason) {
    if (reason != Qt::PopupFocusReason) focus_.Entered(box);
}

void MainWindow::FocusOut(int box, Qt::FocusReason reason) {
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) focus_.Left(box);
}

}  // namespace qt
