#ifndef LIBGEN_VECTOR3D_H
#define LIBGEN_VECTOR3D_H

template <class T>
class CVector3d
{
public:
	CVector3d() : x(0), y(0), z(0) {}
	CVector3d(T ax, T ay, T az) : x(ax), y(ay), z(az) {}

	CVector3d operator+(const CVector3d& ao) const { return CVector3d(x + ao.x, y + ao.y, z + ao.z); }
	CVector3d operator-(const CVector3d& ao) const { return CVector3d(x - ao.x, y - ao.y, z - ao.z); }
	CVector3d operator*(T af) const { return CVector3d(x * af, y * af, z * af); }
	CVector3d operator/(T af) const { return CVector3d(x / af, y / af, z / af); }
	CVector3d& operator+=(const CVector3d& ao) { x += ao.x; y += ao.y; z += ao.z; return *this; }
	CVector3d& operator-=(const CVector3d& ao) { x -= ao.x; y -= ao.y; z -= ao.z; return *this; }
	bool operator==(const CVector3d& ao) const { return x == ao.x && y == ao.y && z == ao.z; }
	bool operator!=(const CVector3d& ao) const { return !(*this == ao); }

	T x;
	T y;
	T z;
};

#endif
