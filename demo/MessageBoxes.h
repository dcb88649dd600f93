// The message boxes of the window: every result the user is shown goes through this one
// interface, so that a test can record what the user would see instead of waiting for a click.
#pragma once

#include <QString>

class QWidget;

namespace demo {

enum class BoxKind {
    Plain,  // a plain box with an OK button and the program's title: the results of the records
    Titled, // a box with an OK button and a title of its own: the validators' answers
    Notice, // the library's own box: an output file it could not write
    Error,  // an error that escaped a button, or why the program cannot start
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Returns once the user has seen the box.
    virtual void show(BoxKind kind, const QString& title, const QString& text) = 0;
};

// Modal boxes on the screen, over the main window once there is one. On a platform without a
// screen that a person sees (offscreen, minimal) nobody could close a modal box, so the box is
// written as one line on standard error instead and the program goes on.
class ScreenBoxes : public MessageBoxes {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(BoxKind kind, const QString& title, const QString& text) override;

  private:
    QWidget* parent_ = nullptr;
};

// The title of the plain boxes and of the error boxes: the program's name.
inline constexpr const char* programTitle = "Demo_Quelvar";
// The title of the library's own box.
inline constexpr const char* libraryTitle = "Quelvar";

} // namespace demo
