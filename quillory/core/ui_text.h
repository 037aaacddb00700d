#pragma once
#include <QCoreApplication>

// Every text the user reads is translated in this one context rather than in the context of the
// class that shows it, so a text keeps its translation when the code that shows it moves.
// Quillory::tr("...") returns the English text unchanged when no translation is installed.
class Quillory {
    Q_DECLARE_TR_FUNCTIONS(Quillory)
};
