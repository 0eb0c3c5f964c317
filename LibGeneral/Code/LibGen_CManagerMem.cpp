#include <inttypes.h>
#include <algorithm>
#include <vector>
#include "LibGen_CManagerMem.h"
#include "LibGen_Utils.h"

LibGen_CManagerMem gManagerVRam;

static const u32 ku32_GuardSize = 4;

LibGen_CManagerMem::LibGen_CManagerMem()
	: mu32_StartAdr(), mu32_EndAdr(), mu32_Size(), mu32_MemSizeMin(), mu8_MemBlocTotal(0)
{
}

LibGen_CManagerMem::~LibGen_CManagerMem()
{
	for (int i = 0; i < MEM_MANAGER_BLOC_MAX; ++i)
	{
		for (SMemSpace* p_Space : mo_ListFree[i]) delete p_Space;
		for (SMemSpace* p_Space : mo_ListUsed[i]) delete p_Space;
	}
}

void LibGen_CManagerMem::AddMemBlock(uintptr_t au32_StartAdr, uintptr_t au32_EndAdr, unsigned int au32_MinSize)
{
	LIBGEN_ASSERT(mu8_MemBlocTotal < MEM_MANAGER_BLOC_MAX);
	LIBGEN_ASSERT(mu8_MemBlocTotal == 0 || mu32_MemSizeMin[mu8_MemBlocTotal-1] > au32_MinSize);

	const u8 u8_Bloc = mu8_MemBlocTotal++;
	mu32_StartAdr[u8_Bloc]   = au32_StartAdr;
	mu32_EndAdr[u8_Bloc]     = au32_EndAdr;
	mu32_Size[u8_Bloc]       = au32_EndAdr - au32_StartAdr;
	mu32_MemSizeMin[u8_Bloc] = au32_MinSize;
	mo_ListFree[u8_Bloc].push_back(new SMemSpace{au32_StartAdr, au32_EndAdr, u8_Bloc, ku8_AlignFree});
}

LibGen_CManagerMem::SMemSpace* LibGen_CManagerMem::FindMemBlock(uintptr_t au32_Need, unsigned char au8_AlignMask)
{
	int i_Bloc = 0;
	while (i_Bloc < mu8_MemBlocTotal && mu32_MemSizeMin[i_Bloc] >= au32_Need)
		++i_Bloc;
	if (i_Bloc == mu8_MemBlocTotal)
		return nullptr;

	SMemSpace* p_Best = nullptr;
	uintptr_t u_BestSize = 0;
	for (SMemSpace* p_Space : mo_ListFree[i_Bloc])
	{
		const uintptr_t u_Aligned = (p_Space->u32_StartAdr + au8_AlignMask) & ~(uintptr_t)au8_AlignMask;
		// A piece shorter than its alignment gap has no usable room at all.
		if (u_Aligned >= p_Space->u32_EndAdr)
			continue;
		const uintptr_t u_Usable = p_Space->u32_EndAdr - u_Aligned;
		if (u_Usable >= au32_Need && (p_Best == nullptr || u_Usable < u_BestSize))
		{
			p_Best = p_Space;
			u_BestSize = u_Usable;
		}
	}
	return p_Best;
}

uintptr_t LibGen_CManagerMem::GetMem(unsigned int au32_Size, unsigned char au8_Align)
{
	// Exactly one bit of the alignment is set.
	LIBGEN_ASSERT((((au8_Align&0x01)!=0) + ((au8_Align&0x02)!=0) + ((au8_Align&0x04)!=0) + ((au8_Align&0x08)!=0) + ((au8_Align&0x10)!=0) + ((au8_Align&0x20)!=0) + ((au8_Align&0x40)!=0) + ((au8_Align&0x80)!=0)) == 1);

	const u8 u8_Mask = static_cast<u8>(au8_Align - 1);
	SMemSpace* pMemFree = FindMemBlock((uintptr_t)au32_Size + ku32_GuardSize, u8_Mask);
	LIBGEN_ASSERT(pMemFree != NULL);

	const uintptr_t u_Start = (pMemFree->u32_StartAdr + u8_Mask) & ~(uintptr_t)u8_Mask;
	SMemSpace* pUsed = new SMemSpace{u_Start, u_Start + au32_Size + ku32_GuardSize, pMemFree->mu8_Bloc, au8_Align};
	u8* p_Guard = reinterpret_cast<u8*>(pUsed->u32_EndAdr - ku32_GuardSize);
	p_Guard[0] = MEM_FOOTER1;
	p_Guard[1] = MEM_FOOTER2;
	p_Guard[2] = MEM_FOOTER3;
	p_Guard[3] = MEM_FOOTER4;
	mo_ListUsed[pUsed->mu8_Bloc].push_back(pUsed);

	const bool b_SameStart = pMemFree->u32_StartAdr == pUsed->u32_StartAdr;
	const bool b_SameEnd   = pMemFree->u32_EndAdr == pUsed->u32_EndAdr;
	if (b_SameStart && b_SameEnd)
	{
		mo_ListFree[pUsed->mu8_Bloc].remove(pMemFree);
		delete pMemFree;
	}
	else if (b_SameEnd)
		pMemFree->u32_EndAdr = pUsed->u32_StartAdr;
	else if (b_SameStart)
		pMemFree->u32_StartAdr = pUsed->u32_EndAdr;
	else
	{
		mo_ListFree[pUsed->mu8_Bloc].push_back(
			new SMemSpace{pMemFree->u32_StartAdr, pUsed->u32_StartAdr, pUsed->mu8_Bloc, ku8_AlignFree});
		pMemFree->u32_StartAdr = pUsed->u32_EndAdr;
	}
	return pUsed->u32_StartAdr;
}

bool LibGen_CManagerMem::IsGuardIntact(const SMemSpace* pMemSpace)
{
	return *(u8*)(pMemSpace->u32_EndAdr-4) == MEM_FOOTER1 && *(u8*)(pMemSpace->u32_EndAdr-3) == MEM_FOOTER2 && *(u8*)(pMemSpace->u32_EndAdr-2) == MEM_FOOTER3 && *(u8*)(pMemSpace->u32_EndAdr-1) == MEM_FOOTER4;
}

void LibGen_CManagerMem::FreeMem(void* ap_Mem)
{
	const uintptr_t u_Adr = reinterpret_cast<uintptr_t>(ap_Mem);
	SMemSpace* pMemSpace = NULL;
	for (int i = 0; i < mu8_MemBlocTotal && pMemSpace == NULL; ++i)
		for (SMemSpace* p_Space : mo_ListUsed[i])
			if (p_Space->u32_StartAdr == u_Adr)
			{
				pMemSpace = p_Space;
				break;
			}
	LIBGEN_ASSERT(pMemSpace != NULL);
	LIBGEN_ASSERT(*(u8*)(pMemSpace->u32_EndAdr-4) == MEM_FOOTER1 && *(u8*)(pMemSpace->u32_EndAdr-3) == MEM_FOOTER2 && *(u8*)(pMemSpace->u32_EndAdr-2) == MEM_FOOTER3 && *(u8*)(pMemSpace->u32_EndAdr-1) == MEM_FOOTER4);

	std::list<SMemSpace*>& o_Free = mo_ListFree[pMemSpace->mu8_Bloc];
	mo_ListUsed[pMemSpace->mu8_Bloc].remove(pMemSpace);

	SMemSpace* p_Before = nullptr;
	SMemSpace* p_After = nullptr;
	for (SMemSpace* p_Space : o_Free)
	{
		if (p_Space->u32_EndAdr == pMemSpace->u32_StartAdr) p_Before = p_Space;
		if (p_Space->u32_StartAdr == pMemSpace->u32_EndAdr) p_After = p_Space;
	}

	// Free pieces never touch each other.
	if (p_Before != nullptr && p_After != nullptr)
	{
		p_Before->u32_EndAdr = p_After->u32_EndAdr;
		o_Free.remove(p_After);
		delete p_After;
		delete pMemSpace;
	}
	else if (p_Before != nullptr)
	{
		p_Before->u32_EndAdr = pMemSpace->u32_EndAdr;
		delete pMemSpace;
	}
	else if (p_After != nullptr)
	{
		p_After->u32_StartAdr = pMemSpace->u32_StartAdr;
		delete pMemSpace;
	}
	else
	{
		pMemSpace->mu8_Align = ku8_AlignFree;
		o_Free.push_back(pMemSpace);
	}
}

uintptr_t LibGen_CManagerMem::GetUsedSize() const
{
	uintptr_t u_Used = 0;
	for (int i = 0; i < mu8_MemBlocTotal; ++i)
		for (const SMemSpace* p_Space : mo_ListUsed[i])
			u_Used += p_Space->u32_EndAdr - p_Space->u32_StartAdr;
	return u_Used;
}

void LibGen_CManagerMem::Print()
{
	static const char ks_Separator[] = "--------------------------------------------------\n";
	for (int i = 0; i < mu8_MemBlocTotal; ++i)
	{
		DebugOutput("%s", ks_Separator);
		DebugOutput("MEMORY BLOC %i (Size : %" PRIuPTR "  Min: %u) \n", i, mu32_EndAdr[i] - mu32_StartAdr[i], mu32_MemSizeMin[i]);
		DebugOutput("%s", ks_Separator);

		std::vector<SMemSpace*> o_Pieces(mo_ListFree[i].begin(), mo_ListFree[i].end());
		o_Pieces.insert(o_Pieces.end(), mo_ListUsed[i].begin(), mo_ListUsed[i].end());
		std::sort(o_Pieces.begin(), o_Pieces.end(),
			[](const SMemSpace* a, const SMemSpace* b) { return a->u32_StartAdr > b->u32_StartAdr; });

		uintptr_t u_Free = 0, u_Used = 0, u_Biggest = 0;
		for (const SMemSpace* p_Space : o_Pieces)
		{
			const uintptr_t u_Size = p_Space->u32_EndAdr - p_Space->u32_StartAdr;
			const bool b_Free = p_Space->mu8_Align == ku8_AlignFree;
			DebugOutput("%cStart[0x%08" PRIXPTR "] End[0x%08" PRIXPTR "] Size[%08" PRIuPTR "]",
				b_Free ? '+' : '-', p_Space->u32_StartAdr, p_Space->u32_EndAdr, u_Size);
			if (b_Free)
			{
				DebugOutput("\n");
				u_Free += u_Size;
				u_Biggest = std::max(u_Biggest, u_Size);
			}
			else
			{
				DebugOutput(IsGuardIntact(p_Space) ? "\n" : " Corrupt\n");
				u_Used += u_Size;
			}
		}

		DebugOutput("%s", ks_Separator);
		DebugOutput("MEMORY (Free: %" PRIuPTR "  Used: %" PRIuPTR " BiggestBloc: %" PRIuPTR ") \n", u_Free, u_Used, u_Biggest);
		DebugOutput("%s", ks_Separator);
	}
}

bool LibGen_CManagerMem::CanGetMem(unsigned int au32_Size, unsigned char au8_Align)
{
	return FindMemBlock((uintptr_t)au32_Size + ku32_GuardSize, static_cast<u8>(au8_Align - 1)) != NULL;
}
