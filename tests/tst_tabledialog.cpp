// The table size picker.
#include "mypushbutton.h"
#include "tabledialog.h"

#include <QLineEdit>
#include <QtTest>

namespace {
const QString highlighted = QStringLiteral("background-color: rgb(208,208,208);border:1px;padding:6px;");

QString shape(const TableDialog &dialog)
{
    QString rows;
    for (int row = 0; row < TableDialog::gridRows; ++row) {
        for (int column = 0; column < TableDialog::gridColumns; ++column)
            rows += dialog.cell(row, column)->styleSheet() == highlighted ? QLatin1Char('#') : QLatin1Char('.');
        rows += QLatin1Char('/');
    }
    return rows;
}

void hover(MyPushButton *cell)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(cell, &enter);
}
}

class TestTableDialog : public QObject
{
    Q_OBJECT
private slots:
    void highlightFollowsThePointer();
};

// One cell to begin with, then the cells up to the pointer.
void TestTableDialog::highlightFollowsThePointer()
{
    TableDialog dialog;
    auto *rows = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    auto *columns = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit_2"));
    QCOMPARE(shape(dialog), QStringLiteral("#...../") + QString(QStringLiteral("....../")).repeated(9));
    QCOMPARE(rows->text(), QStringLiteral("1"));
    hover(dialog.cell(2, 3));
    QCOMPARE(shape(dialog), QString(QStringLiteral("####../")).repeated(3) + QString(QStringLiteral("....../")).repeated(7));
    QCOMPARE(rows->text(), QStringLiteral("3"));
    QCOMPARE(columns->text(), QStringLiteral("4"));
    hover(dialog.cell(1, 0));
    QCOMPARE(shape(dialog), QString(QStringLiteral("#...../")).repeated(2) + QString(QStringLiteral("....../")).repeated(8));
    QCOMPARE(rows->text(), QStringLiteral("2"));
    QCOMPARE(columns->text(), QStringLiteral("1"));
    hover(dialog.cell(9, 5));
    QCOMPARE(shape(dialog), QString(QStringLiteral("######/")).repeated(10));
}

QTEST_MAIN(TestTableDialog)
#include "tst_tabledialog.moc"
