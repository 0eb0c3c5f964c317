#include <sys/mman.h>
#include <string>
#include <gtest/gtest.h>
#include "LibGen_CManagerMem.h"
#include "TestAssert.h"

namespace {

// The manager writes guard words into the ranges it hands out, so the tests give it real memory
// at a fixed address, which keeps the printed addresses stable.
const uintptr_t kBase = 0x10000000;
const size_t kPage = 0x10000;

class ManagerMemTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		void* p = mmap((void*)kBase, kPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
		if (p != (void*)kBase)
		{
			if (p != MAP_FAILED)
				munmap(p, kPage);
			GTEST_SKIP() << "address 0x10000000 is not available";
		}
	}
	void TearDown() override { munmap((void*)kBase, kPage); }

	static std::string Print(LibGen_CManagerMem& ao_Mem)
	{
		testing::internal::CaptureStdout();
		ao_Mem.Print();
		fflush(stdout);
		return testing::internal::GetCapturedStdout();
	}
};

const uintptr_t B = kBase + 0x1000;

TEST_F(ManagerMemTest, SplitsAroundAlignmentGapsAndMergesBack)
{
	LibGen_CManagerMem o_Mem;
	o_Mem.AddMemBlock(B, B + 0x100, 1);
	EXPECT_EQ(o_Mem.GetMem(16, 16), B);
	EXPECT_EQ(o_Mem.GetMem(16, 16), B + 0x20);
	const u8* p_Guard = (const u8*)(B + 0x10);
	EXPECT_EQ(p_Guard[0], 0xDE);
	EXPECT_EQ(p_Guard[3], 0xEF);

	const char* ks_Sep = "--------------------------------------------------\n";
	EXPECT_EQ(Print(o_Mem), std::string(ks_Sep) +
		"MEMORY BLOC 0 (Size : 256  Min: 1) \n" + ks_Sep +
		"+Start[0x10001034] End[0x10001100] Size[00000204]\n"
		"-Start[0x10001020] End[0x10001034] Size[00000020]\n"
		"+Start[0x10001014] End[0x10001020] Size[00000012]\n"
		"-Start[0x10001000] End[0x10001014] Size[00000020]\n" + ks_Sep +
		"MEMORY (Free: 216  Used: 40 BiggestBloc: 204) \n" + ks_Sep);
	EXPECT_EQ(40u, o_Mem.GetUsedSize());

	o_Mem.FreeMem((void*)B);  // joins the gap after it
	EXPECT_NE(Print(o_Mem).find("+Start[0x10001000] End[0x10001020] Size[00000032]\n"), std::string::npos);
	o_Mem.FreeMem((void*)(B + 0x20));  // joins both neighbours
	EXPECT_NE(Print(o_Mem).find(std::string(ks_Sep) + "+Start[0x10001000] End[0x10001100] Size[00000256]\n" + ks_Sep),
	          std::string::npos);
	EXPECT_EQ(0u, o_Mem.GetUsedSize());
}

TEST_F(ManagerMemTest, BestFitWithinTheFirstBlockWhoseMinimumIsBelowTheNeed)
{
	LibGen_CManagerMem o_Mem;
	o_Mem.AddMemBlock(B, B + 0x100, 32);
	o_Mem.AddMemBlock(B + 0x200, B + 0x300, 1);
	EXPECT_EQ(o_Mem.GetMem(40, 1), B);
	EXPECT_EQ(o_Mem.GetMem(8, 1), B + 0x200);
	EXPECT_EQ(o_Mem.GetMem(16, 16), B + 0x210);  // leaves the gap [0x20C, 0x210)
	EXPECT_EQ(o_Mem.GetMem(8, 1), B + 0x224);
	o_Mem.FreeMem((void*)(B + 0x200));          // free piece [0x200, 0x210) of 16 bytes
	EXPECT_EQ(o_Mem.GetMem(10, 2), B + 0x200);  // the smallest piece that fits wins
	EXPECT_LIBGEN_ASSERT(o_Mem.AddMemBlock(B + 0x400, B + 0x500, 1),
	             "mu8_MemBlocTotal == 0 \\|\\| mu32_MemSizeMin\\[mu8_MemBlocTotal-1\\] > au32_MinSize");
	// No fallback to another block: this request belongs to block 0, which is too small for it.
	EXPECT_LIBGEN_ASSERT(o_Mem.GetMem(0x100, 1), "pMemFree != NULL");
}

TEST_F(ManagerMemTest, RequestsNoBlockServesFail)
{
	LibGen_CManagerMem o_Mem;
	o_Mem.AddMemBlock(B, B + 0x40, 16);
	EXPECT_LIBGEN_ASSERT(o_Mem.GetMem(12, 1), "pMemFree != NULL");
	EXPECT_EQ(o_Mem.GetMem(13, 1), B);
	// The rest of the block, [0x11, 0x40), lies wholly before the next 128-byte boundary.
	EXPECT_LIBGEN_ASSERT(o_Mem.GetMem(20, 128), "pMemFree != NULL");
}

TEST_F(ManagerMemTest, GuardWordCatchesOverruns)
{
	LibGen_CManagerMem o_Mem;
	o_Mem.AddMemBlock(B, B + 0x100, 1);
	u8* p = (u8*)o_Mem.GetMem(10, 4);
	p[10] = 0;
	EXPECT_NE(Print(o_Mem).find("-Start[0x10001000] End[0x1000100E] Size[00000014] Corrupt\n"), std::string::npos);
	EXPECT_LIBGEN_ASSERT(o_Mem.FreeMem(p), "\\*\\(u8\\*\\)\\(pMemSpace->u32_EndAdr-4\\) == MEM_FOOTER1 && .*MEM_FOOTER4");
	EXPECT_LIBGEN_ASSERT(o_Mem.FreeMem(p + 1), "pMemSpace != NULL");
}

TEST_F(ManagerMemTest, AlignmentMustBeASingleBit)
{
	LibGen_CManagerMem o_Mem;
	o_Mem.AddMemBlock(B, B + 0x100, 1);
	EXPECT_LIBGEN_ASSERT(o_Mem.GetMem(16, 24), ".*au8_Align&0x80.* == 1");
	EXPECT_LIBGEN_ASSERT(o_Mem.GetMem(16, 0), ".*au8_Align&0x80.* == 1");
	EXPECT_EQ(o_Mem.GetMem(16, 128), B);
}

} // namespace
