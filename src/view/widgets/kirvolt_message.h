#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace kirvolt {

// A failure (a refusal, a value that cannot be taken) carries the exclamation icon; a note,
// such as the tutor's answer to a node count, carries none.
enum class MessageKind { Failure, Note };

// Shows a plain OK message; dialogs take one of these so that tests can answer for the user.
using MessageFunction = std::function<void(QWidget* parent, const QString& text, MessageKind kind)>;

// The program's message box: caption "Kirvolt", one OK button, the icon of its kind.
void showKirvoltMessage(QWidget* parent, const QString& text, MessageKind kind = MessageKind::Failure);

}  // namespace kirvolt
