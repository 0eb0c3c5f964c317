// The WebGL 2 side of textures: one texture name each, pixels expanded to RGBA at upload
// (ConvertToRGBA, shared) when bound for drawing. WebGL 2 repeats textures of any size, as desktop
// OpenGL does.
#include "LibGfx_CTexture.h"

#include "LibGfx_CEngine_Web.h"

#include <GLES3/gl3.h>

void LibGfx_CTexture::CreateDeviceTexture()
{
	GLuint u_Name = 0;
	glGenTextures(1, &u_Name);
	mu32_GLName = u_Name;
}

void LibGfx_CTexture::FreeDeviceTexture()
{
	GLuint u_Name = mu32_GLName;
	glDeleteTextures(1, &u_Name);
}

void LibGfx_CTexture::SetAsCurrent(u8 au8_Repeat)
{
	if (mu32_GLName == ku32_GLName_None)
		return;
	glBindTexture(GL_TEXTURE_2D, mu32_GLName);
	if (mu32_Flags & ku32_Flag_Dirty)
	{
		ConvertToRGBA();
		glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, mu16_Width, mu16_Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, mp_RGBA);
		mu32_Flags &= ~static_cast<u32>(ku32_Flag_Dirty);
	}
	LibGfx_WebSetTexture(mu32_GLName, au8_Repeat);
}
