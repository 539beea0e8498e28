// gl_api.h - how the renderer reaches OpenGL.
//
// The system's GL headers with prototypes: libGL (through libglvnd) exports
// every entry point the renderer uses (buffers, vertex arrays, shaders, all
// OpenGL 3.0 core), so no loader is needed. The renderer asks for nothing
// beyond OpenGL 3.0 and works in a compatibility or a core context; Mesa's
// llvmpipe under Xvfb offers 4.5.
#pragma once

#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/gl.h>     // Required for: OpenGL 1.x
#include <GL/glext.h>  // Required for: buffers, vertex arrays, shaders
