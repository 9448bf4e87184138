/* SDL's own configuration for Emscripten, less what the game never asks for: no OpenGL, no
   renderer, no joysticks, sensors, haptics or shared objects. Found before SDL's SDL_config.h,
   whose guard it takes. */
#ifndef SDL_config_h_
#define SDL_config_h_

#include "SDL_platform.h"

// Needs the platform macros above.
#include "SDL_config_emscripten.h"

#undef SDL_VIDEO_RENDER_OGL_ES2
#undef SDL_VIDEO_OPENGL_ES2
#undef SDL_VIDEO_OPENGL_EGL
#undef SDL_AUDIO_DRIVER_DISK
#undef SDL_JOYSTICK_EMSCRIPTEN
#undef SDL_SENSOR_DUMMY
#undef SDL_LOADSO_DLOPEN
#define SDL_JOYSTICK_DISABLED 1
#define SDL_SENSOR_DISABLED 1
#define SDL_LOADSO_DISABLED 1
#define SDL_RENDER_DISABLED 1

#endif
