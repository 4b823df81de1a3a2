#pragma once

#include <QString>
#include <functional>

class QWidget;

// The side windows exist at most once. show() creates a window the first time
// (its constructor is its start-up code) and brings it to the front after
// that; closing a window destroys it, so the next show() starts it afresh.
namespace windows {

struct Shown {
    QWidget* window = nullptr;
    bool created = false;
};

// `name` is the window's object name ("ostern", "schriften4", "info" ...).
Shown show(const QString& name, const std::function<QWidget*()>& create);

// The open window of that name, or nullptr.
QWidget* find(const QString& name);

// Closes (and so destroys) the window if it is open; does nothing otherwise.
void close(const QString& name);

// While an object of this class lives, show() brings windows to the front
// without taking the keyboard focus from the window the user is typing in
// (the search box opens windows while a word is still being typed).
class KeepFocus {
public:
    KeepFocus();
    ~KeepFocus();
    KeepFocus(const KeepFocus&) = delete;
    KeepFocus& operator=(const KeepFocus&) = delete;
};

// How many times a window of that name was brought to the front while already
// open; lets tests tell "raised" from "created".
int raiseCount(const QString& name);

}  // namespace windows
