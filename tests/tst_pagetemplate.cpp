#include "pagetemplate.h"

#include <QtTest>

class TestPageTemplate : public QObject
{
    Q_OBJECT
private slots:
    void placeholders_data();
    void placeholders();
    void firstDocument_data();
    void firstDocument();
};

void TestPageTemplate::placeholders_data()
{
    QTest::addColumn<QString>("codeBlockStyle");
    QTest::addColumn<bool>("sidebar");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("filled");
    QTest::newRow("default code style") << "default" << false << "Please click here..."
        << "<link href=\"file:///opt/pen%20wick/themes/vue.css\"><link href=\"\"><html data-a=\"default\" "
           "data-b=\"false\" data-c=\"Please click here...\">default";
    QTest::newRow("named code style") << "monokai" << true << "Bitte klicken"
        << "<link href=\"file:///opt/pen%20wick/themes/vue.css\"><link href=\"qrc:/codemirror/theme/monokai.css\">"
           "<html data-a=\"monokai\" data-b=\"true\" data-c=\"Bitte klicken\">monokai";
    QTest::newRow("values cannot leave their attribute") << "x\"><script>" << false << "a\"b<c>"
        << "<link href=\"file:///opt/pen%20wick/themes/vue.css\"><link href=\"qrc:/codemirror/theme/x&quot;&gt;&lt;script&gt;.css\">"
           "<html data-a=\"x&quot;&gt;&lt;script&gt;\" data-b=\"false\" data-c=\"a&quot;b&lt;c&gt;\">x&quot;&gt;&lt;script&gt;";
}

void TestPageTemplate::placeholders()
{
    QFETCH(QString, codeBlockStyle);
    QFETCH(bool, sidebar);
    QFETCH(QString, placeholder);
    QFETCH(QString, filled);
    PageSettings settings;
    settings.themeFolder = QStringLiteral("/opt/pen wick/themes");
    settings.cssFile = QStringLiteral("vue");
    settings.codeBlockStyle = codeBlockStyle;
    settings.showLeftSidebar = sidebar;
    settings.focusPlaceholder = placeholder;
    const QString page = QStringLiteral(
        "<link href=\"{{theme}}\"><link href=\"{{cmthemecss}}\"><html data-a=\"{{cmtheme}}\" data-b=\"{{showLeftSidebar}}\" "
        "data-c=\"{{focusPlaceholder}}\">{{cmtheme}}");
    QCOMPARE(fillPageTemplate(page, settings), filled);
}

void TestPageTemplate::firstDocument_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("filled");
    QTest::newRow("none") << QString() << QString() << "<body></body>";
    QTest::newRow("cannot end its block or fill a placeholder")
        << "<p>a</script><!--{{theme}}\"\\</p>" << "file:///a/</script>/"
        << "<body>[\"\\u003cp>a\\u003c/script>\\u003c!--{{theme}}\\\"\\\\\\u003c/p>\",\"file:///a/\\u003c/script>/\"]</body>";
}

void TestPageTemplate::firstDocument()
{
    QFETCH(QString, html);
    QFETCH(QString, folder);
    QFETCH(QString, filled);
    const QString page = QStringLiteral("<body>{{firstDocument}}</body>");
    QCOMPARE(fillPageTemplate(page, PageSettings(), html, folder), filled);
}

QTEST_APPLESS_MAIN(TestPageTemplate)
#include "tst_pagetemplate.moc"
