#pragma once

#include "editortheme.h"

#include <QDialog>
#include <QMap>
#include <QTranslator>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QStandardItemModel;
class QTreeView;

// The settings window: every control writes its key the moment it changes.
class ConfigWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ConfigWindow(QWidget *parent = nullptr);

signals:
    void changeCssThemeSignal();
    void setEditorFontSizeSignal(int fontSize);
    void zoomValueChangeSignal(double zoom);
    void showLeftSidebarClickSignal(bool checked);
    void autoBackupToggledSignal(bool enabled);
    void remoteImagesToggledSignal(bool allowed);
    void changeCodeMirrorStyleSignal();
    void editorThemeChangedSignal();
    // Spell checking was turned on or off, or its language changed.
    void spellingChangedSignal();

public slots:
    void onTreeItemClicked(const QModelIndex &index);
    void onFileAssocToggled(bool checked);
    void onColorButtonClicked();
    void saveEditorTheme();
    void refreshThemeList();
    void onThemeChanged(int index);
    void onCopyThemeClicked();
    void onDeleteThemeClicked();
    void applyPaletteToTree();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildVisualThemePage();
    QWidget *buildCodeBlockPage();
    QWidget *buildEditorThemePage();
    void buildLanguageGroup(QGroupBox *group);
    void onLanguageChosen(int index);
    void fillChoiceBoxes();
    QWidget *buildSpellingGroup(QWidget *page);
    void retranslate();
    void showColour(QPushButton *button, const QString &colour);

    QTranslator translator;
    EditorTheme editedTheme;

    QTreeView *tree = nullptr;
    QStandardItemModel *treeModel = nullptr;
    QStackedWidget *pages = nullptr;

    QMap<QString, QLabel *> groups; // the titles of the general page's groups
    QComboBox *languageBox = nullptr;
    QComboBox *startupBox = nullptr;
    QCheckBox *backupBox = nullptr;
    QCheckBox *remoteImagesBox = nullptr;
    QCheckBox *sidebarBox = nullptr;
    QComboBox *imageCopyBox = nullptr;
    QCheckBox *spellCheckBox = nullptr;
    QComboBox *spellLanguageBox = nullptr;
    QLabel *spellingUnavailable = nullptr;
    QSpinBox *zoomBox = nullptr;
    QCheckBox *associationBox = nullptr;

    QLabel *visualTitle = nullptr;
    QLabel *tutorialLink = nullptr;
    QPushButton *openFolderButton = nullptr;
    QListWidget *themeCards = nullptr;
    QLabel *codeTitle = nullptr;
    QLabel *demoLink = nullptr;
    QListWidget *codeStyles = nullptr;

    QLabel *editorTitle = nullptr;
    QLabel *currentThemeLabel = nullptr;
    QComboBox *themeBox = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *saveButton = nullptr;
    QLabel *fontFamilyLabel = nullptr;
    QLabel *fontSizeLabel = nullptr;
    QFontComboBox *fontBox = nullptr;
    QSpinBox *fontSizeBox = nullptr;
    QMap<QString, QPushButton *> colourButtons;
    QMap<QString, QLabel *> colourLabels;
};
