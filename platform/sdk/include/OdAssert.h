// Assertions of the SDK. A failed assertion calls the installed assertion function with the
// stringized expression, the source file and the line; the default one prints to stderr.
#ifndef OD_ASSERT_H
#define OD_ASSERT_H

typedef void (*OdAssertFuncPtr)(const char* expression, const char* fileName, int nLineNo);

// Installs the assertion function and returns the previous one (null restores the default).
OdAssertFuncPtr odSetAssertFunc(OdAssertFuncPtr assertFunc);
void OdAssert(const char* expression, const char* fileName, int nLineNo);

#define ODA_ASSERT(exp) ((exp) ? (void)0 : OdAssert(#exp, __FILE__, __LINE__))
#define ODA_FAIL_M(message) OdAssert(message, __FILE__, __LINE__)
#define ODA_ASSERT_ONCE(exp) ODA_ASSERT(exp)

#endif
