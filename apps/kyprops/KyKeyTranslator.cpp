// The recording translator of the palette.
#include "KyKeyTranslator.h"

#include <QDir>

bool KyKeyTranslator::loadCatalogue(const QString& dir)
{
  m_hasCatalogue = m_catalogue.load(QStringLiteral("kyprops_en"), dir);
  return m_hasCatalogue;
}

QString KyKeyTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                   int n) const
{
  QString result;
  if (m_hasCatalogue)
    result = m_catalogue.translate(context, sourceText, disambiguation, n);
  if (context && sourceText)
  {
    const QString key = QString::fromUtf8(sourceText);
    const QString shown = result.isEmpty() ? key : result;
    const QPair<QString, QString> entry(QString::fromUtf8(context), shown);
    if (!m_keys.contains(entry))
      m_keys.insert(entry, key);
  }
  return result;
}

QString KyKeyTranslator::keyOf(const char* context, const QString& text) const
{
  return m_keys.value(QPair<QString, QString>(QString::fromLatin1(context), text), text);
}
