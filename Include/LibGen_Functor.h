#ifndef LIBGEN_FUNCTOR_H
#define LIBGEN_FUNCTOR_H

// A callback taking one argument, with a parameter bound at construction for callers that want it.
template <class A>
class LibGen_FunctorBase1
{
public:
	LibGen_FunctorBase1() : m_Param() {}
	explicit LibGen_FunctorBase1(A a_Param) : m_Param(a_Param) {}
	virtual ~LibGen_FunctorBase1() {}
	virtual void operator()(A a_Param) const = 0;

	// A() when the functor was built without a parameter.
	A m_Param;
};

template <class T, class A>
class LibGen_Functor1 : public LibGen_FunctorBase1<A>
{
public:
	typedef void (T::*Member)(A);

	LibGen_Functor1(T* ap_Object, Member ap_Member)
		: mp_Object(ap_Object), mp_Member(ap_Member) {}
	LibGen_Functor1(T* ap_Object, Member ap_Member, A a_Param)
		: LibGen_FunctorBase1<A>(a_Param), mp_Object(ap_Object), mp_Member(ap_Member) {}

	void operator()(A a_Param) const override { (mp_Object->*mp_Member)(a_Param); }

private:
	T* mp_Object;
	Member mp_Member;
};

#endif
