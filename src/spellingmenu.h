#pragma once

#include <QStringList>

#include <functional>

class QMenu;
class SpellChecker;

namespace SpellingMenu {

// Puts the corrections of a misspelt word at the top of an editor's context
// menu: its suggestions (choosing one calls `replace`), "Add to Dictionary"
// and "Ignore".
void offer(QMenu *menu, const QString &word, const QStringList &suggestions, SpellChecker *checker,
           const std::function<void(const QString &)> &replace);

}
