// Translated texts and icon paths of the module's literal keys, made once per module session.
// The palette asks for the same few hundred texts for every selected object; translating and
// formatting them each time cost more than reading the object. Keys must be string literals (or
// other storage that lives as long as the module): the cache is keyed by their addresses. Like
// the rest of the module, these run on the palette's (main) thread only.
#ifndef KY_TEXTS_H
#define KY_TEXTS_H

#include <memory>

#include "KyPropertyDescription.h"
#include "KyString.h"
#include "KyVariant.h"

// QCoreApplication::translate(context, key), remembered.
const CKyString& KyTr(const char* context, const char* key);

// ":/<folder>/<folder>_<icon>.png" and ":/<folder>/svg_icons/<folder>/<folder>_<icon>.svg", remembered.
const CKyString& KyIconPathOf(const char* folder, const char* icon);
const CKyString& KyDarkIconPathOf(const char* folder, const char* icon);

// A ready choice list (tags and translated texts, current entry `current`) for a table of
// `count` entries at `table`, made by `make` the first time. Lists are immutable once in a
// variant, so the same one serves every object showing that entry.
const CKyVariant& KyChoiceListOf(const void* table, int count, int current, CKyVariant (*make)(const void*, int, int));

// A description made by `make` the first time it is asked for the pair (first, second), kept for
// the session: per-object rows copy it instead of translating and formatting their texts again.
const CKyPropertyDescriptionImpl& KyPrototypeOf(
  const void* first, const void* second,
  std::unique_ptr<CKyPropertyDescriptionImpl> (*make)(const void* first, const void* second));

// Forgets everything remembered, so that the next session translates again (module unload, or
// a change of language).
void KyForgetTexts();

#endif
