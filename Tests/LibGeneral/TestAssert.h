#ifndef TEST_ASSERT_H
#define TEST_ASSERT_H

#include <unistd.h>
#include <gtest/gtest.h>

// The three-line report goes to standard output; the dying child sends it to standard error,
// where the death test looks. COND is a regular expression of the condition text.
#define EXPECT_LIBGEN_ASSERT(statement, COND) \
	EXPECT_DEATH({ dup2(2, 1); statement; }, "ASSERT: " COND "\nLine: [0-9]+\nFile: .*\\.cpp\n")

#endif
