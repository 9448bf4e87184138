# SDL2, FreeType and SDL2_ttf for the browser, from Debian's sources (fetch-sources.sh), each
# compiled from a fixed list of its files: what the game uses of them on Emscripten.
LIBSRC := $(WEB)/src
SDL_DIR = $(firstword $(wildcard $(LIBSRC)/libsdl2-2*))
FT_DIR = $(firstword $(wildcard $(LIBSRC)/freetype-2*))
TTF_DIR = $(firstword $(wildcard $(LIBSRC)/libsdl2-ttf-2*))
WEB_CONFIG := $(SRC)/platform/web/config

$(LIBSRC)/.unpacked: platform/web/fetch-sources.sh $(wildcard platform/web/patches/*.patch)
	platform/web/fetch-sources.sh $(LIBSRC) platform/web/patches

SDL_FOLDERS := . atomic audio audio/emscripten audio/dummy cpuinfo dynapi events file \
    filesystem/emscripten haptic haptic/dummy joystick joystick/dummy libm loadso/dummy locale \
    locale/emscripten misc misc/emscripten power power/emscripten sensor sensor/dummy stdlib \
    thread thread/generic timer timer/unix video video/yuv2rgb video/emscripten
SDL_CFLAGS = -I$(WEB_CONFIG) -I$(SDL_DIR)/include

FT_FILES := base/ftsystem.c base/ftinit.c base/ftdebug.c base/ftbase.c base/ftbitmap.c \
    base/ftglyph.c base/ftsynth.c base/ftbbox.c base/ftmm.c base/ftstroke.c gzip/ftgzip.c \
    truetype/truetype.c sfnt/sfnt.c \
    smooth/smooth.c autofit/autofit.c psnames/psnames.c
FT_CFLAGS = -I$(WEB_CONFIG) -I$(FT_DIR)/include -DFT2_BUILD_LIBRARY

TTF_CFLAGS = $(SDL_CFLAGS) -I$(FT_DIR)/include -DTTF_USE_HARFBUZZ=0

LIBOBJ := $(WEB)/lib

# The object lists are known only once the sources are unpacked; make reads this file again then.
# The shell lists the files, since make's own listing of folders is taken before they exist.
$(WEB)/lib/sources.mk: $(LIBSRC)/.unpacked platform/web/libs.mk
	@mkdir -p $(@D)
	@cd $(LIBSRC) && sdl=$$(ls -d libsdl2-2*) && ft=$$(ls -d freetype-2*) && \
	    ttf=$$(ls -d libsdl2-ttf-2*) && { \
	    printf 'SDL_OBJECTS :='; for f in $(SDL_FOLDERS); do \
	        for c in $$sdl/src/$$f/*.c; do printf ' $$(LIBOBJ)/%s' "$${c%.c}.o"; done; done; echo; \
	    printf 'FT_OBJECTS :='; for c in $(FT_FILES); do printf ' $$(LIBOBJ)/%s' "$$ft/src/$${c%.c}.o"; done; echo; \
	    echo "TTF_OBJECTS := \$$(LIBOBJ)/$$ttf/SDL_ttf.o"; } > $(CURDIR)/$@
-include $(WEB)/lib/sources.mk

$(LIBOBJ)/libsdl2-%.o: $(LIBSRC)/libsdl2-%.c
	@mkdir -p $(@D)
	@echo "emcc SDL2 $(notdir $<)"
	@$(EMCC) $(CFLAGS_LIB) $(SDL_CFLAGS) -c $< -o $@

$(LIBOBJ)/freetype-%.o: $(LIBSRC)/freetype-%.c
	@mkdir -p $(@D)
	@echo "emcc FreeType $(notdir $<)"
	@$(EMCC) $(CFLAGS_LIB) $(FT_CFLAGS) -c $< -o $@

$(LIBOBJ)/libsdl2-ttf-%.o: $(LIBSRC)/libsdl2-ttf-%.c
	@mkdir -p $(@D)
	@echo "emcc SDL2_ttf $(notdir $<)"
	@$(EMCC) $(CFLAGS_LIB) $(TTF_CFLAGS) -c $< -o $@

$(WEB)/lib/libSDL2.a: $(SDL_OBJECTS)
	@rm -f $@ && emar rcs $@ $^
$(WEB)/lib/libfreetype.a: $(FT_OBJECTS)
	@rm -f $@ && emar rcs $@ $^
$(WEB)/lib/libSDL2_ttf.a: $(TTF_OBJECTS)
	@rm -f $@ && emar rcs $@ $^

WEB_LIBS := $(WEB)/lib/libSDL2_ttf.a $(WEB)/lib/libfreetype.a $(WEB)/lib/libSDL2.a
# What the game's own files include of them.
LIB_INCLUDES = -I$(WEB_CONFIG) -I$(SDL_DIR)/include -I$(TTF_DIR) -I$(FT_DIR)/include
