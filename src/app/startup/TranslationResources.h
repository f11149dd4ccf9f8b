#pragma once

// Registers the compiled-in translation catalogues (":/Localization/..."). The ui library is
// static, so the linker drops the resource unless this runs before the first loadTranslations().
void initTranslationResources();
