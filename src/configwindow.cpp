#include "configwindow.h"

#include "config.h"
#include "editortheme.h"
#include "languages.h"
#include "MsgBoxHelper.h"
#include "RegistryHelper.h"
#include "resources.h"
#include "spellchecker.h"
#include "startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString codeMirrorDemo = QStringLiteral("https://codemirror.net/5/demo/theme.html");

QString appPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

bool isBuiltInTheme(const QString &name)
{
    return name.compare(QLatin1String("light"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0;
}

QStringList sortedBaseNames(const QString &folder, const QString &pattern)
{
    QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    QStringList names;
    for (const QFileInfo &file : files)
        names << file.completeBaseName();
    return names;
}
}

ConfigWindow::ConfigWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ConfigWindow"));
    resize(900, 500);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);

    tree = new QTreeView(this);
    tree->setObjectName(QStringLiteral("configTree"));
    tree->setMinimumWidth(180);
    tree->setHeaderHidden(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setStyleSheet(QStringLiteral("QTreeView { font-size: 13px; } QTreeView::item { padding-top: 3px; padding-bottom: 3px; }"));
    treeModel = new QStandardItemModel(this);
    const auto treeItem = [](const QString &key) {
        auto *item = new QStandardItem;
        item->setData(key, Qt::UserRole);
        return item;
    };
    QStandardItem *appearance = treeItem(QStringLiteral("Appearance"));
    appearance->appendRow(treeItem(QStringLiteral("VisualEditorTheme")));
    appearance->appendRow(treeItem(QStringLiteral("CodeBlockTheme")));
    appearance->appendRow(treeItem(QStringLiteral("EditorThemeSettings")));
    treeModel->appendRow(treeItem(QStringLiteral("general")));
    treeModel->appendRow(appearance);
    tree->setModel(treeModel);
    tree->expandAll();
    layout->addWidget(tree);

    pages = new QStackedWidget(this);
    pages->addWidget(buildGeneralPage());
    pages->addWidget(buildVisualThemePage());
    pages->addWidget(buildCodeBlockPage());
    pages->addWidget(buildEditorThemePage());
    layout->addWidget(pages, 1);

    connect(tree, &QTreeView::clicked, this, &ConfigWindow::onTreeItemClicked);
    tree->setCurrentIndex(treeModel->index(0, 0));
    pages->setCurrentIndex(0);
    retranslate();
    refreshThemeList();
}

QWidget *ConfigWindow::buildGeneralPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    // Each group's title is a label of its own above its frame: the style's
    // own group titles cut off the last letter of some translated titles.
    const auto group = [&](const char *key, QWidget *control) {
        auto *title = new QLabel(page);
        title->setObjectName(QString::fromLatin1(key).remove(QLatin1Char(' ')) + QStringLiteral("Title"));
        auto *box = new QGroupBox(page);
        auto *inner = new QVBoxLayout(box);
        inner->addWidget(control);
        auto *section = new QVBoxLayout;
        section->setSpacing(4);
        section->addWidget(title);
        section->addWidget(box);
        layout->addLayout(section);
        groups.insert(QLatin1String(key), title);
        return box;
    };

    languageBox = new QComboBox(page);
    languageBox->setObjectName(QStringLiteral("languageBox"));
    languageBox->setMaxVisibleItems(30);
    buildLanguageGroup(group("Language", languageBox));
    group("Spell Checking", buildSpellingGroup(page));

    startupBox = new QComboBox(page);
    startupBox->setObjectName(QStringLiteral("startupBox"));
    group("Startup Options", startupBox);
    imageCopyBox = new QComboBox(page);
    imageCopyBox->setObjectName(QStringLiteral("imageCopyBox"));
    fillChoiceBoxes();
    connect(startupBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [](int index) { Config::set(Config::StartupDocument, index); });

    // A switch kept in the settings under `key`; `toggled` tells the window.
    const auto settingBox = [&](const char *name, Config::Key key, const char *groupKey,
                                void (ConfigWindow::*toggled)(bool)) {
        auto *box = new QCheckBox(page);
        box->setObjectName(QLatin1String(name));
        box->setChecked(Config::get(key).toBool());
        group(groupKey, box);
        connect(box, &QCheckBox::clicked, this, [this, key, toggled](bool checked) {
            Config::set(key, checked);
            emit(this->*toggled)(checked);
        });
        return box;
    };
    backupBox = settingBox("backupBox", Config::AutoBackup, "Automatic Backup", &ConfigWindow::autoBackupToggledSignal);
    sidebarBox = settingBox("sidebarBox", Config::ShowLeftSidebar, "Show Left Sidebar",
                            &ConfigWindow::showLeftSidebarClickSignal);
    remoteImagesBox = settingBox("remoteImagesBox", Config::LoadRemoteImages, "Load remote images",
                                 &ConfigWindow::remoteImagesToggledSignal);

    group("Image Copy Method", imageCopyBox);
    connect(imageCopyBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [](int index) { Config::set(Config::ImageCopyMethod, index); });

    zoomBox = new QSpinBox(page);
    zoomBox->setObjectName(QStringLiteral("zoomBox"));
    zoomBox->setRange(25, 500);
    zoomBox->setSuffix(QStringLiteral("%"));
    zoomBox->setValue(qRound(Config::get(Config::Zoom).toDouble() * 100));
    group("Zoom", zoomBox);
    connect(zoomBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) {
        Config::set(Config::Zoom, value / 100.0);
        emit zoomValueChangeSignal(value / 100.0);
    });

    associationBox = new QCheckBox(page);
    associationBox->setObjectName(QStringLiteral("associationBox"));
    associationBox->setChecked(RegistryHelper::isDefaultMdHandler(appPath()));
    group("File Association", associationBox);
    connect(associationBox, &QCheckBox::toggled, this, &ConfigWindow::onFileAssocToggled);

    layout->addStretch();
    return page;
}

// Without a dictionary the switch stays off and the group says where one goes.
QWidget *ConfigWindow::buildSpellingGroup(QWidget *page)
{
    auto *spelling = new QWidget(page);
    auto *layout = new QVBoxLayout(spelling);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    spellCheckBox = new QCheckBox(spelling);
    spellCheckBox->setObjectName(QStringLiteral("spellCheckBox"));
    spellLanguageBox = new QComboBox(spelling);
    spellLanguageBox->setObjectName(QStringLiteral("spellLanguageBox"));
    row->addWidget(spellCheckBox);
    row->addWidget(spellLanguageBox, 1);
    layout->addLayout(row);
    spellingUnavailable = new QLabel(spelling);
    spellingUnavailable->setObjectName(QStringLiteral("spellingUnavailableLabel"));
    spellingUnavailable->setWordWrap(true);
    spellingUnavailable->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(spellingUnavailable);

    const QList<Dictionary> dictionaries = SpellChecker::installed();
    const SpellChecker::Choice choice = SpellChecker::storedChoice();
    for (const Dictionary &dictionary : dictionaries)
        spellLanguageBox->addItem(dictionary.displayName(), dictionary.code);
    spellLanguageBox->setCurrentIndex(std::max(0, spellLanguageBox->findData(choice.language)));
    spellCheckBox->setChecked(choice.on);
    spellCheckBox->setEnabled(!dictionaries.isEmpty());
    spellLanguageBox->setVisible(!dictionaries.isEmpty());
    spellingUnavailable->setVisible(dictionaries.isEmpty());

    connect(spellCheckBox, &QCheckBox::clicked, this, [this](bool checked) {
        Config::set(Config::SpellCheck, checked);
        Config::set(Config::SpellCheckLanguage, spellLanguageBox->currentData().toString());
        emit spellingChangedSignal();
    });
    connect(spellLanguageBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (index < 0)
            return;
        Config::set(Config::SpellCheckLanguage, spellLanguageBox->itemData(index).toString());
        emit spellingChangedSignal();
    });
    return spelling;
}

void ConfigWindow::fillChoiceBoxes()
{
    const QSignalBlocker blockStartup(startupBox);
    const QSignalBlocker blockImage(imageCopyBox);
    startupBox->clear();
    startupBox->addItems({tr("Create a blank document"), tr("Open the most recently closed document")});
    startupBox->setCurrentIndex(Config::get(Config::StartupDocument).toInt());
    imageCopyBox->clear();
    imageCopyBox->addItems({tr("Keep Image Path"), tr("Copy the image to the ./${filename}.assets Folder")});
    imageCopyBox->setCurrentIndex(Config::get(Config::ImageCopyMethod).toInt());
}

void ConfigWindow::buildLanguageGroup(QGroupBox *)
{
    languageBox->addItem(tr("System Default"), QVariant::fromValue(LangItem{tr("System Default"), QString(), Languages::systemDefaultCode}));
    for (const LangItem &language : Languages::table())
        languageBox->addItem(language.displayName, QVariant::fromValue(language));

    const QString code = Config::get(Config::InterfaceLanguage).toString();
    if (code == Languages::systemDefaultCode) {
        const LangItem match = Languages::matchSystemLocale(QLocale().name());
        if (!match.resourcePath.isEmpty() && translator.load(match.resourcePath))
            QCoreApplication::installTranslator(&translator);
        languageBox->setCurrentIndex(0);
    } else {
        for (const LangItem &language : Languages::table()) {
            if (language.code == code && translator.load(language.resourcePath)) {
                QCoreApplication::installTranslator(&translator);
                break;
            }
        }
        languageBox->setCurrentIndex(languageBox->findText(Languages::findByCode(code).displayName, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    connect(languageBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ConfigWindow::onLanguageChosen);
}

void ConfigWindow::onLanguageChosen(int index)
{
    if (index < 0)
        return;
    const LangItem language = languageBox->itemData(index).value<LangItem>();
    if (language.code == Languages::systemDefaultCode) {
        const LangItem match = Languages::matchSystemLocale(QLocale().name());
        if (!match.resourcePath.isEmpty() && translator.load(match.resourcePath))
            QCoreApplication::installTranslator(&translator);
        else
            QMessageBox::information(this, tr("Language"), tr("Your system language is not supported, English will be used."));
        Config::set(Config::InterfaceLanguage, Languages::systemDefaultCode);
        return;
    }
    translator.load(language.resourcePath);
    QCoreApplication::installTranslator(&translator);
    Config::set(Config::InterfaceLanguage, language.code);
}

QWidget *ConfigWindow::buildVisualThemePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    visualTitle = new QLabel(page);
    layout->addWidget(visualTitle);

    themeCards = new QListWidget(page);
    themeCards->setObjectName(QStringLiteral("themeCards"));
    themeCards->setFixedHeight(520);
    themeCards->setViewMode(QListView::IconMode);
    themeCards->setFlow(QListView::LeftToRight);
    themeCards->setWrapping(true);
    themeCards->setResizeMode(QListView::Adjust);
    themeCards->setSpacing(20);
    themeCards->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString current = Config::get(Config::PreviewTheme).toString();
    for (const QString &name : sortedBaseNames(themesFolder(), QStringLiteral("*.css"))) {
        auto *item = new QListWidgetItem(themeCards);
        item->setSizeHint(QSize(160, 160));
        item->setData(Qt::UserRole, name);
        auto *card = new QWidget(themeCards);
        auto *cardLayout = new QVBoxLayout(card);
        cardLayout->setAlignment(Qt::AlignCenter);
        auto *nameLabel = new QLabel(name, card);
        nameLabel->setObjectName(QStringLiteral("themeName"));
        nameLabel->setAlignment(Qt::AlignCenter);
        const QString thumbnail = themesFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
        auto *picture = new QLabel(card);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(QPixmap(QFileInfo(thumbnail).isFile() ? thumbnail : QStringLiteral(":/resources/nothumbnail.png"))
                               .scaled(160, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        cardLayout->addWidget(nameLabel);
        cardLayout->addWidget(picture);
        themeCards->setItemWidget(item, card);
        if (name == current)
            themeCards->setCurrentItem(item);
    }
    connect(themeCards, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        Config::set(Config::PreviewTheme, themeCards->itemWidget(item)->findChild<QLabel *>(QStringLiteral("themeName"))->text());
        emit changeCssThemeSignal();
    });
    layout->addWidget(themeCards);

    tutorialLink = new QLabel(page);
    connect(tutorialLink, &QLabel::linkActivated, this, [this] {
        QDialog tutorial(this);
        tutorial.setWindowTitle(tr("Theme Modification Tutorial"));
        tutorial.setMinimumSize(550, 380);
        auto *tutorialLayout = new QVBoxLayout(&tutorial);
        auto *text = new QTextBrowser(&tutorial);
        text->setHtml(QStringLiteral("<div style=\"font-size:14px; line-height:1.6;\"><p>%1</p><p>%2</p><p>%3</p>"
                                     "<pre style=\"background:#f6f6f6; font-family:Consolas; font-size:13px;\">"
                                     ".markdown-body {\n    font-family: \"Microsoft YaHei\";\n    font-size: 16px;\n}</pre>"
                                     "<p>&#10004; %4<br>&#10004; %5</p><p>%6</p></div>")
                          .arg(tr("1. Click the \"Open Theme Folder\" button below to open the theme directory.").toHtmlEscaped(),
                               tr("2. Find the .css file of your current theme and open it with Notepad.").toHtmlEscaped(),
                               tr("3. Find or add this style:").toHtmlEscaped(), tr("16px = font size").toHtmlEscaped(),
                               tr("Microsoft YaHei = font family").toHtmlEscaped(),
                               tr("If you need help, please send us feedback!").toHtmlEscaped()));
        auto *close = new QPushButton(tr("Close"), &tutorial);
        connect(close, &QPushButton::clicked, &tutorial, &QDialog::accept);
        tutorialLayout->addWidget(text);
        tutorialLayout->addWidget(close);
        tutorial.exec();
    });
    layout->addWidget(tutorialLink);
    openFolderButton = new QPushButton(page);
    connect(openFolderButton, &QPushButton::clicked, this, [] {
        QDir().mkpath(themesFolder());
        QDesktopServices::openUrl(QUrl::fromLocalFile(themesFolder()));
    });
    layout->addWidget(openFolderButton, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QWidget *ConfigWindow::buildCodeBlockPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    codeTitle = new QLabel(page);
    layout->addWidget(codeTitle);
    codeStyles = new QListWidget(page);
    codeStyles->setObjectName(QStringLiteral("codeStyles"));
    codeStyles->setFixedHeight(500);
    codeStyles->addItem(QStringLiteral("default"));
    codeStyles->addItems(sortedBaseNames(QStringLiteral(":/codemirror/theme"), QStringLiteral("*.css")));
    const QString current = Config::get(Config::CodeBlockStyle).toString();
    const QList<QListWidgetItem *> matches = codeStyles->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty())
        codeStyles->setCurrentItem(matches.first());
    connect(codeStyles, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        Config::set(Config::CodeBlockStyle, item->text());
        emit changeCodeMirrorStyleSignal();
    });
    layout->addWidget(codeStyles);
    demoLink = new QLabel(page);
    demoLink->setOpenExternalLinks(true);
    layout->addWidget(demoLink);
    layout->addStretch();
    return page;
}

QWidget *ConfigWindow::buildEditorThemePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    editorTitle = new QLabel(page);
    QFont titleFont = editorTitle->font();
    titleFont.setPointSize(12);
    editorTitle->setFont(titleFont);
    layout->addWidget(editorTitle);

    auto *row = new QHBoxLayout;
    currentThemeLabel = new QLabel(page);
    themeBox = new QComboBox(page);
    themeBox->setObjectName(QStringLiteral("editorThemeBox"));
    copyButton = new QPushButton(page);
    copyButton->setObjectName(QStringLiteral("copyThemeButton"));
    deleteButton = new QPushButton(page);
    deleteButton->setObjectName(QStringLiteral("deleteThemeButton"));
    row->addWidget(currentThemeLabel);
    row->addWidget(themeBox, 1);
    row->addWidget(copyButton);
    row->addWidget(deleteButton);
    layout->addLayout(row);

    auto *scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    auto *content = new QWidget(scroll);
    auto *grid = new QGridLayout(content);
    fontFamilyLabel = new QLabel(content);
    fontBox = new QFontComboBox(content);
    fontSizeLabel = new QLabel(content);
    fontSizeBox = new QSpinBox(content);
    fontSizeBox->setRange(8, 72);
    grid->addWidget(fontFamilyLabel, 0, 0);
    grid->addWidget(fontBox, 0, 1);
    grid->addWidget(fontSizeLabel, 1, 0);
    grid->addWidget(fontSizeBox, 1, 1);
    int line = 2;
    for (const auto &member : EditorTheme::colourMembers()) {
        auto *label = new QLabel(content);
        auto *button = new QPushButton(content);
        button->setMinimumWidth(80);
        button->setProperty("colorKey", QLatin1String(member.key));
        button->setObjectName(QLatin1String(member.key));
        connect(button, &QPushButton::clicked, this, &ConfigWindow::onColorButtonClicked);
        grid->addWidget(label, line, 0);
        grid->addWidget(button, line, 1);
        colourLabels.insert(QLatin1String(member.key), label);
        colourButtons.insert(QLatin1String(member.key), button);
        ++line;
    }
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    saveButton = new QPushButton(page);
    saveButton->setObjectName(QStringLiteral("saveThemeButton"));
    layout->addWidget(saveButton, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(themeBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ConfigWindow::onThemeChanged);
    connect(copyButton, &QPushButton::clicked, this, &ConfigWindow::onCopyThemeClicked);
    connect(deleteButton, &QPushButton::clicked, this, &ConfigWindow::onDeleteThemeClicked);
    connect(saveButton, &QPushButton::clicked, this, &ConfigWindow::saveEditorTheme);
    return page;
}

void ConfigWindow::retranslate()
{
    setWindowTitle(tr("Configuration"));
    const QStringList treeTexts{tr("General"), tr("Appearance"), tr("Visual Editor Theme"), tr("Code Block Theme"),
                                tr("Editor Theme Settings")};
    treeModel->item(0)->setText(treeTexts[0]);
    treeModel->item(1)->setText(treeTexts[1]);
    for (int i = 0; i < 3; ++i)
        treeModel->item(1)->child(i)->setText(treeTexts[2 + i]);
    groups.value(QStringLiteral("Language"))->setText(tr("Language"));
    groups.value(QStringLiteral("Startup Options"))->setText(tr("Startup Options"));
    groups.value(QStringLiteral("Automatic Backup"))->setText(tr("Automatic Backup"));
    groups.value(QStringLiteral("Show Left Sidebar"))->setText(tr("Show Left Sidebar"));
    groups.value(QStringLiteral("Image Copy Method"))->setText(tr("Image Copy Method"));
    groups.value(QStringLiteral("Load remote images"))->setText(tr("Load remote images"));
    groups.value(QStringLiteral("Zoom"))->setText(tr("Zoom"));
    groups.value(QStringLiteral("Spell Checking"))->setText(tr("Spell Checking"));
    spellCheckBox->setText(tr("Check spelling as you type"));
    spellingUnavailable->setText(
        tr("No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.")
            .arg(QDir::toNativeSeparators(SpellChecker::dictionaryFolders().value(0))));
    groups.value(QStringLiteral("File Association"))->setText(tr("File Association"));
    backupBox->setText(tr("Enable"));
    sidebarBox->setText(tr("Enable"));
    remoteImagesBox->setText(tr("Enable"));
    associationBox->setText(tr("Associate with .md Files"));
    languageBox->setItemText(0, tr("System Default"));
    fillChoiceBoxes();

    visualTitle->setText(tr("Visual Editor Theme"));
    tutorialLink->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(tr("How to customize visual editor theme styles").toHtmlEscaped()));
    openFolderButton->setText(tr("Open Theme Folder"));
    codeTitle->setText(tr("Code Block Style"));
    demoLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(codeMirrorDemo, tr("Please see CodeMirror theme demo").toHtmlEscaped()));
    editorTitle->setText(tr("Source Editor Theme Settings"));
    currentThemeLabel->setText(tr("Current Theme:"));
    copyButton->setText(tr("Copy"));
    deleteButton->setText(tr("Delete"));
    saveButton->setText(tr("Save Theme"));
    fontFamilyLabel->setText(tr("Font Family"));
    fontSizeLabel->setText(tr("Font Size"));
    for (const auto &member : EditorTheme::colourMembers())
        colourLabels.value(QLatin1String(member.key))->setText(tr(member.label));
    // The list of pages is as wide as its longest entry in this language.
    tree->setFixedWidth(std::max(180, static_cast<QAbstractItemView *>(tree)->sizeHintForColumn(0) + tree->indentation() + 2 * tree->frameWidth() + 16));
}

void ConfigWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && treeModel)
        retranslate();
}

void ConfigWindow::applyPaletteToTree()
{
    tree->setPalette(palette());
}

void ConfigWindow::onTreeItemClicked(const QModelIndex &index)
{
    const QString key = index.data(Qt::UserRole).toString();
    if (key == QLatin1String("VisualEditorTheme")) {
        pages->setCurrentIndex(1);
    } else if (key == QLatin1String("CodeBlockTheme")) {
        pages->setCurrentIndex(2);
    } else if (key == QLatin1String("EditorThemeSettings")) {
        refreshThemeList();
        pages->setCurrentIndex(3);
    } else {
        pages->setCurrentIndex(0);
    }
}

void ConfigWindow::onFileAssocToggled(bool checked)
{
    if (checked) {
        if (!RegistryHelper::setDefaultMdHandler(appPath()) && !RegistryHelper::isDefaultMdHandler(appPath()))
            QMessageBox::warning(this, tr("Tip"), tr("Association failed: may require administrator privileges."));
        else
            QMessageBox::information(this, tr("Tip"), tr("Successfully associated with .md files!"));
    } else if (RegistryHelper::deleteDefaultMdHandler(appPath())) {
        QMessageBox::information(this, tr("Tip"), tr("Successfully removed .md file association."));
    } else {
        QMessageBox::warning(this, tr("Tip"), tr("Failed to remove association."));
    }
    const QSignalBlocker blocker(associationBox);
    associationBox->setChecked(RegistryHelper::isDefaultMdHandler(appPath()));
}

void ConfigWindow::showColour(QPushButton *button, const QString &colour)
{
    button->setText(colour);
    button->setStyleSheet(QStringLiteral("background-color:%1;color:%2;")
                              .arg(colour, QColor(colour).lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black")));
}

void ConfigWindow::refreshThemeList()
{
    {
        const QSignalBlocker blocker(themeBox);
        themeBox->clear();
        QDir().mkpath(editorThemeDirectory());
        themeBox->addItems(sortedBaseNames(editorThemeDirectory(), QStringLiteral("*.json")));
        const QString wanted = Config::get(Config::EditorTheme).toString();
        int index = themeBox->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            index = themeBox->findText(QStringLiteral("light"), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            themeBox->setCurrentIndex(index);
    }
    onThemeChanged(themeBox->currentIndex());
}

void ConfigWindow::onThemeChanged(int index)
{
    if (index < 0)
        return;
    const QString name = themeBox->currentText();
    Config::set(Config::EditorTheme, name);
    editedTheme = QFile::exists(EditorTheme::fileOf(name)) ? EditorTheme::read(name) : EditorTheme::defaults();
    if (editedTheme.has(QStringLiteral("fontFamily")))
        fontBox->setCurrentFont(QFont(editedTheme.fontFamily()));
    if (editedTheme.has(QStringLiteral("defaultFontSize")))
        fontSizeBox->setValue(editedTheme.fontSize());
    for (auto it = colourButtons.cbegin(); it != colourButtons.cend(); ++it)
        if (editedTheme.has(it.key()))
            showColour(it.value(), editedTheme.colourName(it.key()));
    deleteButton->setEnabled(!isBuiltInTheme(name));
    emit editorThemeChangedSignal();
}

void ConfigWindow::onColorButtonClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    const QColor start = button->text().isEmpty() ? QColor(Qt::white) : QColor(button->text());
    const QColor chosen = QColorDialog::getColor(start, this, tr("Select Color"));
    if (!chosen.isValid())
        return;
    editedTheme.setColour(button->property("colorKey").toString(), chosen);
    showColour(button, chosen.name());
}

void ConfigWindow::saveEditorTheme()
{
    editedTheme.setFontFamily(fontBox->currentFont().family());
    editedTheme.setFontSize(fontSizeBox->value());
    if (!editedTheme.write(themeBox->currentText())) {
        QMessageBox::warning(this, QString(), tr("Save failed!"));
        return;
    }
    QMessageBox::information(this, QString(), tr("Saved!"));
    emit editorThemeChangedSignal();
}

void ConfigWindow::onCopyThemeClicked()
{
    const QString current = themeBox->currentText();
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Copy Theme"), tr("New theme name:"), QLineEdit::Normal,
                                               current + QStringLiteral("_copy"), &ok);
    if (!ok || name.isEmpty())
        return;
    if (QFile::exists(EditorTheme::fileOf(name))) {
        QMessageBox::warning(this, QString(), tr("Name already exists!"));
        return;
    }
    if (!QFile::copy(EditorTheme::fileOf(current), EditorTheme::fileOf(name)))
        return;
    Config::set(Config::EditorTheme, name);
    refreshThemeList();
    QMessageBox::information(this, QString(), tr("Copied successfully!"));
}

void ConfigWindow::onDeleteThemeClicked()
{
    const QString name = themeBox->currentText();
    if (isBuiltInTheme(name))
        return;
    if (QMessageBox::question(this, QString(), tr("Delete this theme?"), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QFile::remove(EditorTheme::fileOf(name));
    refreshThemeList();
}
