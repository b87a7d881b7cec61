// The boxes as a user finds them, read from tests/data/boxes.tsv: facts written by hand, which
// every window's tests check against.
#pragma once

#include <QList>
#include <QString>

namespace qt_test {

struct BoxRow {
    int box;  // n of Textn
    QString name, description, initial;
    int maxLength;
};

// In tab order; the test stops if the file cannot be read.
const QList<BoxRow>& BoxTable();

}  // namespace qt_test
