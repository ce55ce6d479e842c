// Colour schemes, interface languages and the settings window.
#include "QPlainTextEditEx.h"
#include "RegistryHelper.h"
#include "appsettings.h"
#include "config.h"
#include "configwindow.h"
#include "guitestbase.h"
#include "languages.h"
#include "palettes.h"
#include "startup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>

class TestSettings : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init();
    void cleanup() { closeWindow(); }

    void languageLookups_data();
    void languageLookups();
    void startupLanguage_data();
    void startupLanguage();

    void generalPageStoresItsChoices();
    void zoomBox();
    void treeChoosesPages();
    void colourScheme();
    void unknownSchemeIsBlueSky();
    void codeBlockStyleAndTheme();
    void editorThemes();
    void germanRetranslatesEveryWindow();

private:
    ConfigWindow *config() const { return window->configurationWindow(); }
};

void TestSettings::init()
{
    appSettings()->clear();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

// A language by its code (its name in its own language), the code for a
// system locale, and the table's language for a system locale.
void TestSettings::languageLookups_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("findByCode: de") << "de" << "Deutsch";
    QTest::newRow("findByCode: zh-HK") << "zh-HK" << QString::fromUtf8("繁體中文");
    QTest::newRow("findByCode: pt") << "pt" << QString::fromUtf8("Português (Portugal)");
    QTest::newRow("findByCode: pt-BR") << "pt-BR" << QString::fromUtf8("Português (Brasil)");
    QTest::newRow("findByCode: unsupported") << "sw" << "English";
    QTest::newRow("findByCode: System Default") << "System Default" << "English";
    QTest::newRow("findByCode: case matters") << "DE" << "English";
    QTest::newRow("systemLanguageCode: zh_HK") << "zh_HK" << "zh-TW";
    QTest::newRow("systemLanguageCode: zh_MO") << "zh_MO" << "zh-TW";
    QTest::newRow("systemLanguageCode: zh_SG") << "zh_SG" << "zh-CN";
    QTest::newRow("systemLanguageCode: pt_PT") << "pt_PT" << "pt";
    QTest::newRow("systemLanguageCode: pt_BR") << "pt_BR" << "pt-BR";
    QTest::newRow("systemLanguageCode: ar_EG") << "ar_EG" << "ar-EG";
    QTest::newRow("systemLanguageCode: ar_SA") << "ar_SA" << "ar";
    QTest::newRow("systemLanguageCode: sw_KE") << "sw_KE" << "sw";
    QTest::newRow("systemLanguageCode: fil_PH") << "fil_PH" << "fil";
    QTest::newRow("matchSystemLocale: exact") << "zh_CN" << "zh-CN";
    QTest::newRow("matchSystemLocale: pt_AO takes the first pt") << "pt_AO" << "pt-BR";
    QTest::newRow("matchSystemLocale: de_DE by prefix") << "de_DE" << "de";
    QTest::newRow("matchSystemLocale: unsupported") << "sw_KE" << "";
    QTest::newRow("matchSystemLocale: C locale is no language") << "C" << "";
    QTest::newRow("matchSystemLocale: C.UTF-8 is no language") << "C.UTF-8" << "";
}

void TestSettings::languageLookups()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    const QString lookup = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(':'), 0, 0);
    if (lookup == QLatin1String("findByCode"))
        QCOMPARE(Languages::findByCode(given).displayName, expected);
    else if (lookup == QLatin1String("systemLanguageCode"))
        QCOMPARE(Languages::systemLanguageCode(given), expected);
    else
        QCOMPARE(Languages::matchSystemLocale(given).code, expected);
}

void TestSettings::startupLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("first start, zh_HK") << "zh_HK" << QVariant() << "zh-TW" << "Microsoft YaHei" << "zh_TW";
    QTest::newRow("first start, pt_BR") << "pt_BR" << QVariant() << "pt-BR" << "Arial" << "pt_BR";
    QTest::newRow("first start, sw_KE") << "sw_KE" << QVariant() << "sw" << "Arial" << "en";
    QTest::newRow("System Default on de_DE") << "de_DE" << QVariant("System Default") << "System Default" << "Arial" << "de";
    QTest::newRow("hand-written zh-HK") << "en_US" << QVariant("zh-HK") << "zh-HK" << "Arial" << "zh_TW";
}

void TestSettings::startupLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QVariant, stored);
    QFETCH(QString, written);
    QFETCH(QString, font);
    QFETCH(QString, catalogue);
    QLocale::setDefault(QLocale(locale));
    if (stored.isValid())
        Config::set(Config::InterfaceLanguage, stored);
    const QFont before = QApplication::font();
    QTranslator translator;
    Languages::applyStartupLanguage(translator);
    QCOMPARE(appSettings()->value(QStringLiteral("IsoCode")).toString(), written);
    QCOMPARE(translator.language(), catalogue);
    QCOMPARE(QApplication::font().family(), font);
    QCOMPARE(QApplication::font().pointSize(), 10);
    QApplication::setFont(before);
}

void TestSettings::generalPageStoresItsChoices()
{
    openWindow();
    ConfigWindow *settings = config();
    QVERIFY(settings);
    settings->findChild<QComboBox *>(QStringLiteral("imageCopyBox"))->setCurrentIndex(1);
    QCOMPARE(appSettings()->value(QStringLiteral("saveImageType")).toInt(), 1);
    settings->findChild<QCheckBox *>(QStringLiteral("backupBox"))->click();
    QCOMPARE(appSettings()->value(QStringLiteral("autoSave")).toBool(), true);
    settings->findChild<QCheckBox *>(QStringLiteral("sidebarBox"))->click();
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"))->isVisible());
}

void TestSettings::zoomBox()
{
    Config::set(Config::Zoom, 0.29);
    openWindow();
    auto *zoom = config()->findChild<QSpinBox *>(QStringLiteral("zoomBox"));
    QCOMPARE(zoom->value(), 29);
    zoom->setValue(500);
    QVERIFY(qFuzzyCompare(appSettings()->value(QStringLiteral("zoom")).toDouble(), 5.0));
    QVERIFY(qFuzzyCompare(view->zoomFactor(), 5.0));
    zoom->setValue(25);
    QVERIFY(qFuzzyCompare(appSettings()->value(QStringLiteral("zoom")).toDouble(), 0.25));
    QVERIFY(qFuzzyCompare(view->zoomFactor(), 0.25));
}

void TestSettings::treeChoosesPages()
{
    openWindow();
    auto *tree = config()->findChild<QTreeView *>(QStringLiteral("configTree"));
    auto *pages = config()->findChild<QStackedWidget *>();
    QAbstractItemModel *model = tree->model();
    const QModelIndex appearance = model->index(1, 0);
    QCOMPARE(appearance.data().toString(), QStringLiteral("Appearance"));
    config()->onTreeItemClicked(model->index(0, 0, appearance));
    QCOMPARE(pages->currentIndex(), 1);
    config()->onTreeItemClicked(appearance);
    QCOMPARE(pages->currentIndex(), 0);
    config()->onTreeItemClicked(model->index(2, 0, appearance));
    QCOMPARE(pages->currentIndex(), 3);
}

void TestSettings::colourScheme()
{
    openWindow();
    auto *menu = window->findChild<QMenu *>(QStringLiteral("menuColorScheme"));
    QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QVERIFY(actions[0]->isChecked());
    QVERIFY(!actions[0]->icon().isNull());

    actions[1]->trigger();
    QCOMPARE(appSettings()->value(QStringLiteral("theme")).toInt(), 1);
    QVERIFY(!actions[0]->isChecked() && actions[1]->isChecked() && !actions[2]->isChecked());
    QCOMPARE(QApplication::palette().color(QPalette::Window).name(), QStringLiteral("#353535"));
    QCOMPARE(QApplication::palette().color(QPalette::Base).name(), QStringLiteral("#191919"));
    QCOMPARE(config()->findChild<QTreeView *>()->palette().color(QPalette::Window).name(), QStringLiteral("#353535"));
    // Both editors turn dark with the window, and back.
    auto *source = window->findChild<QPlainTextEdit *>(QStringLiteral("sourceEditor"));
    const QString previewStyle = QStringLiteral("document.getElementById('themecss').getAttribute('href')");
    QCOMPARE(source->palette().color(QPalette::Base).name(), QStringLiteral("#1e1e1e"));
    QTRY_VERIFY(js(previewStyle).toString().endsWith(QLatin1String("github-markdown-dark.css")));
    actions[0]->trigger();
    QCOMPARE(QApplication::palette().color(QPalette::Window).name(), QStringLiteral("#f0f0f0"));
    QTRY_VERIFY(js(previewStyle).toString().endsWith(QLatin1String("github-markdown-light.css")));
    QVERIFY(source->palette().color(QPalette::Base).lightness() > 200);
}

void TestSettings::unknownSchemeIsBlueSky()
{
    Config::set(Config::ColourScheme, 7);
    openWindow();
    for (QAction *action : window->findChild<QMenu *>(QStringLiteral("menuColorScheme"))->actions())
        QVERIFY(!action->isChecked());
    QCOMPARE(Palettes::forScheme(7).color(QPalette::Window), Palettes::forScheme(2).color(QPalette::Window));
}

void TestSettings::codeBlockStyleAndTheme()
{
    openWindow();
    auto *styles = config()->findChild<QListWidget *>(QStringLiteral("codeStyles"));
    QCOMPARE(styles->count(), 61);
    QCOMPARE(styles->item(0)->text(), QStringLiteral("default"));
    QVERIFY(styles->findItems(QStringLiteral("material-darker"), Qt::MatchExactly).first()->listWidget()->row(
                styles->findItems(QStringLiteral("material-darker"), Qt::MatchExactly).first())
            < styles->row(styles->findItems(QStringLiteral("material"), Qt::MatchExactly).first()));
    QCOMPARE(styles->currentItem()->text(), QStringLiteral("default"));

    const QString href = QStringLiteral("document.getElementById('cmthemecss').getAttribute('href')");
    emit styles->itemClicked(styles->findItems(QStringLiteral("monokai"), Qt::MatchExactly).first());
    QCOMPARE(appSettings()->value(QStringLiteral("codeBlockStyle")).toString(), QStringLiteral("monokai"));
    QTRY_COMPARE(js(href).toString(), QStringLiteral("qrc:/codemirror/theme/monokai.css"));
    emit styles->itemClicked(styles->item(0));
    QTRY_COMPARE(js(href).toString(), QString());

    auto *cards = config()->findChild<QListWidget *>(QStringLiteral("themeCards"));
    QVERIFY(cards->count() >= 2);
    QCOMPARE(cards->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("github-markdown-light"));
    QListWidgetItem *dark = nullptr;
    for (int i = 0; i < cards->count(); ++i)
        if (cards->item(i)->data(Qt::UserRole).toString() == QLatin1String("github-markdown-dark"))
            dark = cards->item(i);
    QVERIFY(dark);
    emit cards->itemClicked(dark);
    QCOMPARE(appSettings()->value(QStringLiteral("cssfile")).toString(), QStringLiteral("github-markdown-dark"));
    QTRY_VERIFY(js(QStringLiteral("document.getElementById('themecss').href")).toString().endsWith(
        QStringLiteral("/themes/github-markdown-dark.css")));
}

void TestSettings::editorThemes()
{
    const QString folder = editorThemeDirectory();
    writeFile(folder + QStringLiteral("/LiGhT.json"), "{}");
    writeFile(folder + QStringLiteral("/nolink.json"), "{\"headingColor\": \"#808080\"}");
    QFile::remove(folder + QStringLiteral("/light_copy.json"));
    openWindow();
    ConfigWindow *settings = config();
    auto *themes = settings->findChild<QComboBox *>(QStringLiteral("editorThemeBox"));
    auto *remove = settings->findChild<QPushButton *>(QStringLiteral("deleteThemeButton"));
    settings->refreshThemeList();
    QCOMPARE(themes->currentText(), QStringLiteral("light"));
    QVERIFY(!remove->isEnabled());

    auto *link = settings->findChild<QPushButton *>(QStringLiteral("linkColor"));
    auto *heading = settings->findChild<QPushButton *>(QStringLiteral("headingColor"));
    const QString lightLink = link->text();
    QVERIFY(!lightLink.isEmpty());
    themes->setCurrentIndex(themes->findText(QStringLiteral("nolink")));
    QCOMPARE(appSettings()->value(QStringLiteral("EditorThemeName")).toString(), QStringLiteral("nolink"));
    QCOMPARE(link->text(), lightLink);
    QCOMPARE(heading->text(), QStringLiteral("#808080")); // lightness 128
    QVERIFY(heading->styleSheet().endsWith(QStringLiteral("color:black;")));
    QVERIFY(remove->isEnabled());

    writeFile(folder + QStringLiteral("/nolink.json"), "{\"headingColor\": \"#7f7f7f\", \"editorBackground\": \"#203040\","
                                                        " \"lineNumberBackground\": \"#405060\"}");
    settings->onThemeChanged(themes->currentIndex());
    QVERIFY(heading->styleSheet().endsWith(QStringLiteral("color:white;")));
    // The Source Code Editor and its gutter take the chosen theme at once.
    auto *source = window->findChild<QPlainTextEdit *>(QStringLiteral("sourceEditor"));
    QCOMPARE(source->palette().color(QPalette::Base), QColor(QStringLiteral("#203040")));
    auto *gutter = source->findChild<LineNumberArea *>();
    QCOMPARE(gutter->grab().toImage().pixelColor(1, 1), QColor(QStringLiteral("#405060")));

    themes->setCurrentIndex(themes->findText(QStringLiteral("LiGhT")));
    QVERIFY(!remove->isEnabled());
    settings->onDeleteThemeClicked();
    QVERIFY(QFile::exists(folder + QStringLiteral("/LiGhT.json")));

    themes->setCurrentIndex(themes->findText(QStringLiteral("light")));
    QString proposed;
    SeenBox done;
    answerModal([&](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        QVERIFY(input);
        proposed = input->textValue();
        input->accept();
        pressOnNextBox(QMessageBox::Ok, &done);
    });
    settings->onCopyThemeClicked();
    QCOMPARE(proposed, QStringLiteral("light_copy"));
    QCOMPARE(done.text, QStringLiteral("Copied successfully!"));
    QVERIFY(QFile::exists(folder + QStringLiteral("/light_copy.json")));
    QCOMPARE(themes->currentText(), QStringLiteral("light_copy"));
    QVERIFY(remove->isEnabled());

    pressOnNextBox(QMessageBox::Yes);
    settings->onDeleteThemeClicked();
    QVERIFY(!QFile::exists(folder + QStringLiteral("/light_copy.json")));
    QCOMPARE(themes->currentText(), QStringLiteral("light"));
}

void TestSettings::germanRetranslatesEveryWindow()
{
    QTranslator probe;
    if (!probe.load(QStringLiteral(":/translations/German.qm")) || probe.translate("MainWindow", "File").isEmpty())
        QFAIL("the German catalogue is not complete");
    openWindow();
    auto *languages = config()->findChild<QComboBox *>(QStringLiteral("languageBox"));
    languages->setCurrentIndex(languages->findText(QStringLiteral("Deutsch")));
    QCOMPARE(appSettings()->value(QStringLiteral("IsoCode")).toString(), QStringLiteral("de"));
    // Windows are told of the new language through posted events.
    QTRY_COMPARE(window->findChild<QMenu *>(QStringLiteral("menuFile"))->title(), probe.translate("MainWindow", "File"));
    QCOMPARE(config()->windowTitle(), probe.translate("ConfigWindow", "Configuration"));
    QCOMPARE(window->findChild<QDockWidget *>(QStringLiteral("dockFind"))->windowTitle(),
             probe.translate("MainWindow", "Find & Replace"));
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("findNextButton"))->text(),
             probe.translate("FindPanel", "Find Next"));
    QCOMPARE(config()->findChild<QComboBox *>(QStringLiteral("startupBox"))->currentIndex(), 0);
    QTRY_COMPARE(js(QStringLiteral("editorBody().getAttribute('data-placeholder')")).toString(),
                 probe.translate("MainWindow", "Please click here..."));
    // Longer texts get the room they need: the group titles and the list of
    // pages, in German and in Japanese.
    for (const QString &language : {QStringLiteral("Deutsch"), QString::fromUtf8("日本語")}) {
        languages->setCurrentIndex(languages->findText(language));
        QTRY_VERIFY(config()->windowTitle() != QLatin1String("Configuration"));
        config()->show();
        for (const char *group : {"AutomaticBackupTitle", "ShowLeftSidebarTitle", "LoadremoteimagesTitle", "ImageCopyMethodTitle"}) {
            auto *title = config()->findChild<QLabel *>(QLatin1String(group));
            QVERIFY2(title && title->width() >= title->sizeHint().width(), group);
        }
        auto *pagesTree = config()->findChild<QTreeView *>(QStringLiteral("configTree"));
        for (const QModelIndex &entry : pagesTree->model()->match(pagesTree->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("*"), -1,
                                                                   Qt::MatchWildcard | Qt::MatchRecursive))
            QVERIFY2(pagesTree->visualRect(entry).left() + pagesTree->fontMetrics().horizontalAdvance(entry.data().toString())
                         < pagesTree->viewport()->width(),
                     qPrintable(entry.data().toString()));
        config()->hide();
        languages->setCurrentIndex(languages->findText(QStringLiteral("English")));
        QTRY_COMPARE(config()->windowTitle(), QStringLiteral("Configuration"));
    }
    QTRY_COMPARE(window->findChild<QMenu *>(QStringLiteral("menuFile"))->title(), QStringLiteral("File"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
