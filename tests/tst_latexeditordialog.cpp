#include "latexeditordialog.h"
#include "latexhighlight.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

namespace {
QColor colourAt(QTextDocument &document, int position)
{
    QColor colour;
    for (const QTextLayout::FormatRange &range : document.firstBlock().layout()->formats())
        if (position >= range.start && position < range.start + range.length)
            colour = range.format.foreground().color();
    return colour;
}

// Runs the dialog modally, types `text` (unless null) and presses `button`.
void runDialog(LaTeXEditorDialog &dialog, const QString &text, QDialogButtonBox::StandardButton button)
{
    QTimer::singleShot(0, &dialog, [&] {
        auto *field = dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
        if (!text.isNull())
            field->setPlainText(text);
        dialog.findChild<QDialogButtonBox *>()->button(button)->click();
    });
    dialog.exec();
}
}

class TestLaTeXEditorDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Penwick")); }
    void colours_data();
    void colours();
    void okStoresTheTextCancelKeepsTheEarlierOne();
};

void TestLaTeXEditorDialog::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("command") << "\\frac{a}{b}" << 1 << QColor(Qt::red);
    QTest::newRow("opening brace") << "\\frac{a}{b}" << 5 << QColor(0, 94, 255);
    QTest::newRow("closing brace") << "\\frac{a}{b}" << 10 << QColor(0, 94, 255);
    QTest::newRow("comment") << "x^2 % square" << 6 << QColor(49, 137, 49);
    QTest::newRow("line break") << "a \\\\ b" << 2 << QColor(62, 206, 244);
}

void TestLaTeXEditorDialog::colours()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QColor, colour);
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    LatexHighlight highlight(&document);
    document.setPlainText(text);
    QCOMPARE(colourAt(document, position), colour);
}

void TestLaTeXEditorDialog::okStoresTheTextCancelKeepsTheEarlierOne()
{
    LaTeXEditorDialog dialog;
    runDialog(dialog, QStringLiteral("E = mc^2"), QDialogButtonBox::Ok);
    QCOMPARE(dialog.formula, QStringLiteral("E = mc^2"));
    runDialog(dialog, QStringLiteral("b^2"), QDialogButtonBox::Cancel);
    QCOMPARE(dialog.formula, QStringLiteral("E = mc^2"));
    QCOMPARE(dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"))->toPlainText(), QStringLiteral("b^2"));
    runDialog(dialog, QStringLiteral(""), QDialogButtonBox::Ok);
    QCOMPARE(dialog.formula, QString());
}

QTEST_MAIN(TestLaTeXEditorDialog)
#include "tst_latexeditordialog.moc"
