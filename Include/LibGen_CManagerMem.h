#ifndef LIBGEN_CMANAGERMEM_H
#define LIBGEN_CMANAGERMEM_H

#include <stdint.h>
#include <list>
#include "LibGen_DataTypes.h"

#define MEM_MANAGER_BLOC_MAX 4
#define MEM_FOOTER1 0xDE
#define MEM_FOOTER2 0xAD
#define MEM_FOOTER3 0xBE
#define MEM_FOOTER4 0xEF

// Hands out aligned pieces of address ranges it does not own, best fit first, with a guard word
// in the last 4 bytes of every piece. Addresses are pointer-wide.
class LibGen_CManagerMem
{
public:
	struct SMemSpace
	{
		uintptr_t u32_StartAdr;
		uintptr_t u32_EndAdr;   // one past the last address
		u8        mu8_Bloc;
		u8        mu8_Align;    // ku8_AlignFree for a free piece
	};
	enum { ku8_AlignFree = 255 };

	LibGen_CManagerMem();
	virtual ~LibGen_CManagerMem();

	// Blocks go from the one for the largest requests to the one for the smallest.
	void AddMemBlock(uintptr_t au32_StartAdr, uintptr_t au32_EndAdr, unsigned int au32_MinSize);
	uintptr_t  GetMem(unsigned int au32_Size, unsigned char au8_Align);
	void       FreeMem(void* ap_Mem);
	SMemSpace* FindMemBlock(uintptr_t au32_Need, unsigned char au8_AlignMask);
	// True when GetMem with the same request would find room: loaders ask before they take.
	bool       CanGetMem(unsigned int au32_Size, unsigned char au8_Align);
	void       Print();
	// Bytes of the pieces handed out and not given back, over every block.
	uintptr_t  GetUsedSize() const;

private:
	static bool IsGuardIntact(const SMemSpace* ap_Space);

	std::list<SMemSpace*> mo_ListFree[MEM_MANAGER_BLOC_MAX];
	std::list<SMemSpace*> mo_ListUsed[MEM_MANAGER_BLOC_MAX];
	uintptr_t mu32_StartAdr[MEM_MANAGER_BLOC_MAX];
	uintptr_t mu32_EndAdr[MEM_MANAGER_BLOC_MAX];
	uintptr_t mu32_Size[MEM_MANAGER_BLOC_MAX];
	u32       mu32_MemSizeMin[MEM_MANAGER_BLOC_MAX];
	u8        mu8_MemBlocTotal;
};

extern LibGen_CManagerMem gManagerVRam;

#endif
