// KyKeyTranslator: the palette's translator. It answers from the English catalogue (or, with raw
// keys, not at all, so Qt shows the keys) and remembers every text it was asked for, so that a
// displayed name can be traced back to its key ("Linetype" -> "LineStyle"). The module
// translates its names when it first builds its lists, so the translator must be installed
// before initApp.
#ifndef KYPROPS_KEY_TRANSLATOR_H
#define KYPROPS_KEY_TRANSLATOR_H

#include <QHash>
#include <QPair>
#include <QTranslator>

class KyKeyTranslator : public QTranslator
{
public:
  KyKeyTranslator() = default;

  // Loads <dir>/kyprops_en.qm; false when the catalogue is missing or unreadable.
  bool loadCatalogue(const QString& dir);
  bool hasCatalogue() const { return m_hasCatalogue; }

  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }

  // The key that was shown as this text in the context; the text itself when none was seen.
  // A text two keys share gives the first key asked for.
  QString keyOf(const char* context, const QString& text) const;

private:
  QTranslator m_catalogue;
  bool m_hasCatalogue = false;
  mutable QHash<QPair<QString, QString>, QString> m_keys; // (context, shown text) -> key
};

#endif
