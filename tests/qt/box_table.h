// The boxes as a user finds them, read from tests/data/boxes.tsv: facts written by hand, which
// every window's tests check against.
#pragma once

#include <QFile>
#include <QList>
#include <QString>

namespace qt_test {

struct BoxRow {
    int box;  // n of Textn
    QString name, description, initial;
    int maxLength;
};

// In tab order; the test stops if the file cannot be read.
inline const QList<BoxRow>& BoxTable() {
    static const QList<BoxRow> rows = [] {
        QFile file(QStringLiteral(FERNBOGEN_BOX_TABLE));
        if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", FERNBOGEN_BOX_TABLE);
        QList<BoxRow> read;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const QStringList f = line.split('\t');
            if (line.isEmpty() || line.startsWith('#')) continue;
            if (f.size() != 5) qFatal("not a box: %s", qPrintable(line));
            read.append({f[0].mid(4).toInt(), f[1], f[2], f[3], f[4].toInt()});
        }
        if (read.isEmpty()) qFatal("no boxes in %s", FERNBOGEN_BOX_TABLE);
        return read;
    }();
    return rows;
}

}  // namespace qt_test
