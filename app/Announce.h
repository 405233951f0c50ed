#pragma once

class QLabel;
class QString;

// Shows `text` on a label that a screen reader says as soon as it changes: a verdict, a hint.
void announce(QLabel* label, const QString& text);
