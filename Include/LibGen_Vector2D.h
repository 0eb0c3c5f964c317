#ifndef LIBGEN_VECTOR2D_H
#define LIBGEN_VECTOR2D_H

template <class T>
class CVector2d
{
public:
	CVector2d() : x(0), y(0) {}
	CVector2d(T ax, T ay) : x(ax), y(ay) {}

	CVector2d operator+(const CVector2d& ao) const { return CVector2d(x + ao.x, y + ao.y); }
	CVector2d operator-(const CVector2d& ao) const { return CVector2d(x - ao.x, y - ao.y); }
	CVector2d operator*(T af) const { return CVector2d(x * af, y * af); }
	CVector2d operator/(T af) const { return CVector2d(x / af, y / af); }
	CVector2d& operator+=(const CVector2d& ao) { x += ao.x; y += ao.y; return *this; }
	CVector2d& operator-=(const CVector2d& ao) { x -= ao.x; y -= ao.y; return *this; }
	bool operator==(const CVector2d& ao) const { return x == ao.x && y == ao.y; }
	bool operator!=(const CVector2d& ao) const { return !(*this == ao); }

	T x;
	T y;
};

#endif
