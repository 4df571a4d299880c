#pragma once

class QString;
class QWidget;

namespace runtime {
class RuntimeError;
}

// Tells the user, in a modal message box, which run-time error stopped the
// request: its number and its description.
void reportRuntimeError(QWidget* parent, const runtime::RuntimeError& error);

// Shows a report of something that went wrong, in the same box.
void showReport(QWidget* parent, const QString& text);
