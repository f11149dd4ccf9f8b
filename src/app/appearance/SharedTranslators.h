#pragma once

class QTranslator;

// The program's two translators (its own texts and the toolkit's), one pair for the whole run.
// Start-up and every later language change load into this same pair, so a switch always
// replaces the language in use instead of stacking a second catalogue over it.
class SharedTranslators
{
public:
    static QTranslator *program();
    static QTranslator *toolkit();
};
