#pragma once

// The ui library is static, so the linker drops a compiled-in resource unless its registration
// runs before the first use.

// The translation catalogues (":/Localization/..."); before the first loadTranslations().
void initTranslationResources();

// Style sheets, font files, the splash logo and the language flags.
void initAppearanceResources();
