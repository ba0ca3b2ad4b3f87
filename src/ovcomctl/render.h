#pragma once

// The renderer's host-facing API (library ovcomctl::render): drawing a form to pixels and PNG files,
// and pictures from PNG or JPEG files. Include <ovcomctl/ovcomctl.h> for the rest.

#include "render/Bitmap.h"
#include "render/PictureLoader.h"
#include "render/Renderer.h"
