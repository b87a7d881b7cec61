#include "box_table.h"

#include <QFile>
#include <QTextStream>

namespace qt_test {

const QList<BoxRow>& BoxTable() {
    static const QList<BoxRow> rows = [] {
        QFile file(QStringLiteral(FERNBOGEN_BOX_TABLE));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read %s", FERNBOGEN_BOX_TABLE);
        QList<BoxRow> read;
        QTextStream lines(&file);
        while (!lines.atEnd()) {
            const QString line = lines.readLine();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() != 5 || !f[0].startsWith(QLatin1String("Text")))
                qFatal("not a box: %s", qPrintable(line));
            read.append({f[0].mid(4).toInt(), f[1], f[2], f[3], f[4].toInt()});
        }
        return read;
    }();
    return rows;
}

}  // namespace qt_test
