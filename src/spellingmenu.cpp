#include "spellingmenu.h"

#include "spellchecker.h"

#include <QCoreApplication>
#include <QMenu>

namespace SpellingMenu {

void offer(QMenu *menu, const QString &word, const QStringList &suggestions, SpellChecker *checker,
           const std::function<void(const QString &)> &replace)
{
    QAction *first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    QList<QAction *> added;
    QFont bold = menu->font();
    bold.setBold(true);
    for (const QString &suggestion : suggestions) {
        auto *action = new QAction(suggestion, menu);
        action->setObjectName(QStringLiteral("spellingSuggestion"));
        action->setFont(bold);
        QObject::connect(action, &QAction::triggered, menu, [replace, suggestion] { replace(suggestion); });
        added << action;
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(QCoreApplication::translate("SpellingMenu", "No Suggestions"), menu);
        none->setEnabled(false);
        added << none;
    }
    auto *separator = new QAction(menu);
    separator->setSeparator(true);
    auto *add = new QAction(QCoreApplication::translate("SpellingMenu", "Add to Dictionary"), menu);
    add->setObjectName(QStringLiteral("addToDictionary"));
    QObject::connect(add, &QAction::triggered, checker, [checker, word] { checker->addToDictionary(word); });
    auto *ignore = new QAction(QCoreApplication::translate("SpellingMenu", "Ignore"), menu);
    ignore->setObjectName(QStringLiteral("ignoreWord"));
    QObject::connect(ignore, &QAction::triggered, checker, [checker, word] { checker->ignore(word); });
    auto *after = new QAction(menu);
    after->setSeparator(true);
    added << separator << add << ignore;
    if (first)
        added << after;
    menu->insertActions(first, added);
}

}
