// The third-party drawings the tests read, and records of an independent reading of a file.
#ifndef KY_TEST_CORPUS_H
#define KY_TEST_CORPUS_H

#include <QList>
#include <QString>
#include <QStringList>

// The folder tests/corpus/fetch.sh unpacks the drawings into: $KY_CORPUS_DIR, else corpus/ in
// the build folder that holds the test binary's folder.
QString KyTestCorpusDir();

// Runs a Python script with the arguments and splits what it prints into records: one per
// line, fields separated by U+001F. False, with the reason, when the script does not run or fails.
bool KyTestPythonRecords(const char* script, const QStringList& arguments, QList<QStringList>& records,
                         QString& error);

#endif
