// The OpenGL side of textures: one texture name each, pixels expanded to RGBA at upload
// (ConvertToRGBA, shared).
#include "LibGfx_CTexture.h"

#include "LibGfx_CPolyBase.h"

#include <GL/gl.h>

void LibGfx_CTexture::CreateDeviceTexture()
{
	GLuint uName = 0;
	glGenTextures(1, &uName);
	mu32_GLName = uName;
}

void LibGfx_CTexture::FreeDeviceTexture()
{
	GLuint uName = mu32_GLName;
	glDeleteTextures(1, &uName);
}

void LibGfx_CTexture::SetAsCurrent(u8 au8_Repeat)
{
	if (mu32_GLName == ku32_GLName_None)
		return;
	glEnable(GL_TEXTURE_2D);
	glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
	glBindTexture(GL_TEXTURE_2D, mu32_GLName);
	if (mu32_Flags & ku32_Flag_Dirty)
	{
		ConvertToRGBA();
		glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, mu16_Width, mu16_Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, mp_RGBA);
		mu32_Flags &= ~static_cast<u32>(ku32_Flag_Dirty);
	}
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_S) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_T) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
}
