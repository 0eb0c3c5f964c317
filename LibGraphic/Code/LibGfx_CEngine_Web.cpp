// The WebGL 2 side of the engine: a shader pair in place of the fixed-function pipeline, the
// camera's matrices made on the processor, the background as a textured quad behind everything.
// The frame's polygons are gathered as the tree is walked and drawn at its end from one vertex
// upload: a browser pays dearly for each change to a buffer the frame already draws from. The
// browser shows the frame once the main loop's callback returns.
#include "LibGfx_CEngine.h"
#include "LibGfx_CEngine_Web.h"

#include "LibGen_Utils.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_PictureLoader.h"
#include "LibGfx_Utilities.h"

#include <GLES3/gl3.h>
#include <cstring>
#include <vector>

namespace
{
	const char* const ks_VertexShader =
		"#version 300 es\n"
		"layout(location = 0) in vec2 a_Coord;\n"
		"layout(location = 1) in vec4 a_Color;\n"
		"layout(location = 2) in vec3 a_Pos;\n"
		"uniform mat4 u_Matrix;\n"
		"out vec2 v_Coord;\n"
		"out vec4 v_Color;\n"
		"void main()\n"
		"{\n"
		"	v_Coord = a_Coord;\n"
		"	v_Color = a_Color;\n"
		"	gl_Position = u_Matrix * vec4(a_Pos, 1.0);\n"
		"}\n";
	// NOTE: high precision: the coordinates of a texture repeated along a quad grow past what
	// medium precision tells apart from one texel to the next.
	const char* const ks_FragmentShader =
		"#version 300 es\n"
		"precision highp float;\n"
		"uniform sampler2D u_Texture;\n"
		"uniform bool u_Textured;\n"
		"in vec2 v_Coord;\n"
		"in vec4 v_Color;\n"
		"out vec4 o_Color;\n"
		"void main()\n"
		"{\n"
		"	o_Color = u_Textured ? v_Color * texture(u_Texture, v_Coord) : v_Color;\n"
		"}\n";

	// Every polygon is drawn in the textured layout: s t, colour (red in the lowest byte), x y z.
	typedef LibGfx_CPolyBase::SVertex SVertexWeb;

	// One gathered polygon: its vertices in the frame's list, its matrix, its texture (0: none).
	struct SDrawWeb
	{
		u32 u32_First;
		u32 u32_Count;
		u32 u32_Matrix;
		GLuint u_Texture;
		u8 u8_Repeat;
	};

	struct SDevice
	{
		GLuint u_Program;
		GLint i_Matrix;
		GLint i_Textured;
		GLuint u_VertexArray;
		GLuint u_Buffer;
		// One sampler for each pair of repeat flags, filtering linearly as the OpenGL program does.
		GLuint au_Sampler[4];
		GLuint u_Background;
		bool b_Background;
		float af_ProjView[16];
		// The texture and wrap the next polygons take (SetAsCurrent).
		GLuint u_Texture;
		u8 u8_Repeat;
		// The frame gathered so far: the background's quad first, then the polygons.
		std::vector<SVertexWeb> o_Vertices;
		std::vector<SDrawWeb> o_Draws;
		std::vector<float> o_Matrices;   // 16 floats each
	};
	SDevice so_Device = {};

	GLuint CompileShader(GLenum ae_Kind, const char* as_Source)
	{
		const GLuint u_Shader = glCreateShader(ae_Kind);
		glShaderSource(u_Shader, 1, &as_Source, nullptr);
		glCompileShader(u_Shader);
		GLint i_Done = 0;
		glGetShaderiv(u_Shader, GL_COMPILE_STATUS, &i_Done);
		if (!i_Done)
		{
			char s_Log[512] = "";
			glGetShaderInfoLog(u_Shader, sizeof(s_Log), nullptr, s_Log);
			DebugOutput("WebGL: a shader does not compile: %s\n", s_Log);
		}
		return u_Shader;
	}

	bool MakeProgram()
	{
		const GLuint u_Vertex = CompileShader(GL_VERTEX_SHADER, ks_VertexShader);
		const GLuint u_Fragment = CompileShader(GL_FRAGMENT_SHADER, ks_FragmentShader);
		so_Device.u_Program = glCreateProgram();
		glAttachShader(so_Device.u_Program, u_Vertex);
		glAttachShader(so_Device.u_Program, u_Fragment);
		glLinkProgram(so_Device.u_Program);
		glDeleteShader(u_Vertex);
		glDeleteShader(u_Fragment);
		GLint i_Linked = 0;
		glGetProgramiv(so_Device.u_Program, GL_LINK_STATUS, &i_Linked);
		if (!i_Linked)
		{
			DebugOutput("WebGL: the shader pair does not link: nothing is drawn\n");
			glDeleteProgram(so_Device.u_Program);
			so_Device.u_Program = 0;
			return false;
		}
		so_Device.i_Matrix = glGetUniformLocation(so_Device.u_Program, "u_Matrix");
		so_Device.i_Textured = glGetUniformLocation(so_Device.u_Program, "u_Textured");
		glUseProgram(so_Device.u_Program);
		glUniform1i(glGetUniformLocation(so_Device.u_Program, "u_Texture"), 0);
		return true;
	}

	void MakeVertexArray()
	{
		glGenVertexArrays(1, &so_Device.u_VertexArray);
		glBindVertexArray(so_Device.u_VertexArray);
		glGenBuffers(1, &so_Device.u_Buffer);
		glBindBuffer(GL_ARRAY_BUFFER, so_Device.u_Buffer);
		glEnableVertexAttribArray(0);
		glEnableVertexAttribArray(1);
		glEnableVertexAttribArray(2);
		glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(SVertexWeb), reinterpret_cast<void*>(offsetof(SVertexWeb, s)));
		glVertexAttribPointer(1, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(SVertexWeb), reinterpret_cast<void*>(offsetof(SVertexWeb, u32_Color)));
		glVertexAttribPointer(2, 3, GL_FLOAT, GL_FALSE, sizeof(SVertexWeb), reinterpret_cast<void*>(offsetof(SVertexWeb, x)));
	}

	void MakeSamplers()
	{
		glGenSamplers(4, so_Device.au_Sampler);
		for (u8 u8_Repeat = 0; u8_Repeat < 4; ++u8_Repeat)
		{
			const GLuint u_Sampler = so_Device.au_Sampler[u8_Repeat];
			glSamplerParameteri(u_Sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
			glSamplerParameteri(u_Sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
			glSamplerParameteri(u_Sampler, GL_TEXTURE_WRAP_S, (u8_Repeat & LibGfx_CPolyBase::ku8_Repeat_S) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
			glSamplerParameteri(u_Sampler, GL_TEXTURE_WRAP_T, (u8_Repeat & LibGfx_CPolyBase::ku8_Repeat_T) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
		}
	}

	// The background stretched over the viewport, its pixels picked, not blended, as the OpenGL
	// program's pixel zoom does; drawn first, without the depth test, it is behind everything.
	// Opaque, it is not blended either: a software renderer's time goes on filling pixels.
	void DrawBackground()
	{
		glDisable(GL_DEPTH_TEST);
		glDisable(GL_BLEND);
		glUniformMatrix4fv(so_Device.i_Matrix, 1, GL_FALSE, LibGfx_CObjBase::skf_Identity);
		glUniform1i(so_Device.i_Textured, 1);
		// The background's own filtering and wrap: no sampler.
		glBindSampler(0, 0);
		glBindTexture(GL_TEXTURE_2D, so_Device.u_Background);
		glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
		glEnable(GL_BLEND);
		glEnable(GL_DEPTH_TEST);
	}

	// The gathered polygons in their order, each state set only when it changes.
	void DrawGathered()
	{
		u32 u32_Matrix = 0xFFFFFFFF;
		GLuint u_Texture = 0xFFFFFFFF;
		int i_Repeat = -1;
		int i_Textured = -1;
		for (const SDrawWeb& o_Draw : so_Device.o_Draws)
		{
			if (o_Draw.u32_Matrix != u32_Matrix)
			{
				u32_Matrix = o_Draw.u32_Matrix;
				glUniformMatrix4fv(so_Device.i_Matrix, 1, GL_FALSE, &so_Device.o_Matrices[16 * u32_Matrix]);
			}
			if (int(o_Draw.u_Texture != 0) != i_Textured)
			{
				i_Textured = o_Draw.u_Texture != 0;
				glUniform1i(so_Device.i_Textured, i_Textured);
			}
			if (i_Textured && o_Draw.u_Texture != u_Texture)
			{
				u_Texture = o_Draw.u_Texture;
				glBindTexture(GL_TEXTURE_2D, u_Texture);
			}
			if (i_Textured && o_Draw.u8_Repeat != i_Repeat)
			{
				i_Repeat = o_Draw.u8_Repeat;
				glBindSampler(0, so_Device.au_Sampler[i_Repeat]);
			}
			glDrawArrays(GL_TRIANGLE_FAN, static_cast<GLint>(o_Draw.u32_First), static_cast<GLsizei>(o_Draw.u32_Count));
		}
	}
}

bool LibGfx_CEngine::LoadDevice()
{
	if (so_Device.u_Program == 0 && !MakeProgram())
		return false;
	if (so_Device.u_Buffer == 0)
	{
		MakeVertexArray();
		MakeSamplers();
		glGenTextures(1, &so_Device.u_Background);
		glBindTexture(GL_TEXTURE_2D, so_Device.u_Background);
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
	}
	glEnable(GL_DEPTH_TEST);
	glDepthFunc(GL_LEQUAL);
	glEnable(GL_BLEND);
	glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
	glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
	return true;
}

void LibGfx_CEngine::UnloadDevice()
{
	// The shader pair, the vertex buffer and the samplers stay with the page's context for the next Load.
	so_Device.b_Background = false;
}

void LibGfx_CEngine::LoadBg(const char* as_Path)
{
	so_Device.b_Background = false;
	SPicInfo o_Pic = {nullptr, 0, 0, ke_PixelFormat_8888};
	if (so_Device.u_Background == 0 || !LoadPng(as_Path, &o_Pic))
		return;
	glBindTexture(GL_TEXTURE_2D, so_Device.u_Background);
	glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, o_Pic.uWidth, o_Pic.uHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, o_Pic.pData);
	delete[] o_Pic.pData;
	so_Device.b_Background = true;
}

bool LibGfx_CEngine::SceneBegin()
{
	glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
	glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
	if (so_Device.u_Program == 0)
		return false;
	so_Device.o_Draws.clear();
	so_Device.o_Matrices.clear();
	// The picture's first row is its top.
	so_Device.o_Vertices.assign({
		{0.0f, 1.0f, 0xFFFFFFFF, -1.0f, -1.0f, 1.0f},
		{1.0f, 1.0f, 0xFFFFFFFF, 1.0f, -1.0f, 1.0f},
		{1.0f, 0.0f, 0xFFFFFFFF, 1.0f, 1.0f, 1.0f},
		{0.0f, 0.0f, 0xFFFFFFFF, -1.0f, 1.0f, 1.0f},
	});

	memcpy(so_Device.af_ProjView, LibGfx_CObjBase::skf_Identity, sizeof(so_Device.af_ProjView));
	LibGfx_CManagerCamera* p_Camera = LibGfx_CManagerCamera::Instance();
	if (p_Camera->HasCamera())
	{
		float af_View[16], af_Projection[16];
		p_Camera->ComputeView(af_View);
		LibGfx_CManagerCamera::ComputeProjection(ke_Depth_MinusOneToOne, af_Projection);
		LibGfx_MultiplyMatrix(af_Projection, af_View, so_Device.af_ProjView);
	}
	return true;
}

void LibGfx_CEngine::SceneRender()
{
	LibGfx_CObjBase::so_RootObject.Render();
}

void LibGfx_CEngine::SceneEnd()
{
	// One upload for the whole frame, into a new store: the last frame may still be drawn from the old.
	glUseProgram(so_Device.u_Program);
	glBindVertexArray(so_Device.u_VertexArray);
	glBindBuffer(GL_ARRAY_BUFFER, so_Device.u_Buffer);
	glBufferData(GL_ARRAY_BUFFER, so_Device.o_Vertices.size() * sizeof(SVertexWeb), so_Device.o_Vertices.data(), GL_STREAM_DRAW);
	if (so_Device.b_Background)
		DrawBackground();
	DrawGathered();
	// The browser presents the canvas when the frame's callback returns.
}

void LibGfx_WebSetObjectMatrix(const float* ap_Object)
{
	const size_t u_At = so_Device.o_Matrices.size();
	so_Device.o_Matrices.resize(u_At + 16);
	LibGfx_MultiplyMatrix(so_Device.af_ProjView, ap_Object, &so_Device.o_Matrices[u_At]);
}

void LibGfx_WebSetTexture(u32 au32_Name, u8 au8_Repeat)
{
	so_Device.u_Texture = au32_Name;
	so_Device.u8_Repeat = au8_Repeat & (LibGfx_CPolyBase::ku8_Repeat_S | LibGfx_CPolyBase::ku8_Repeat_T);
}

void LibGfx_WebDrawPoly(const LibGfx_CPolyBase& ao_Poly, bool ab_Textured)
{
	// Only triangle fans are ever built.
	if (ao_Poly.mu8_Primitive != LibGfx_CPolyBase::ku8_Primitive_TriangleFan || ao_Poly.mu8_VertexCount < 3 || ao_Poly.GetStride() == 0
		|| ao_Poly.mp_Vertex == nullptr || so_Device.o_Matrices.empty())
		return;
	const u32 u32_First = static_cast<u32>(so_Device.o_Vertices.size());
	for (u32 u = 0; u < ao_Poly.mu8_VertexCount; ++u)
		so_Device.o_Vertices.push_back(ao_Poly.GetVertex(u));
	const u32 u32_Matrix = static_cast<u32>(so_Device.o_Matrices.size() / 16 - 1);
	so_Device.o_Draws.push_back(SDrawWeb{u32_First, ao_Poly.mu8_VertexCount, u32_Matrix, ab_Textured ? so_Device.u_Texture : 0,
	                                     so_Device.u8_Repeat});
}
