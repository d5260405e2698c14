#pragma once

#include <functional>
#include <memory>

#include <QStringList>

class QWidget;

namespace halvex {

class Streak;

// Keeps a form section showing one stored streak: runs `refresh` at once,
// and again whenever one of `fields` of that streak changes in its store
// context (an edit made elsewhere, in another window), for as long as
// `section` lives. The streak is held strongly, as the section edits it.
void followStreak(QWidget *section, const std::shared_ptr<Streak> &streak,
                  const QStringList &fields, const std::function<void()> &refresh);

class ModelContext;

// Runs `refresh` whenever anything in `context` changes, is inserted,
// removed or saved, for as long as `owner` lives: for views whose record
// may disappear (a streak deleted in another window) or gain related
// records (a broken run).
void followStore(QWidget *owner, ModelContext &context, const std::function<void()> &refresh);

} // namespace halvex
