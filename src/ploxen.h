// Ploxen: two-dimensional graphs for desktop applications. Hosts include this one header.
#pragma once

#include "draw/GlDraw.h"
#include "draw/WDraw.h"
#include "draw/WinColor.h"
#include "interact/CommentList.h"
#include "model/GcGLine.h"
#include "model/GcGraph.h"
#include "model/GcGraphConfig.h"
#include "model/ManInt.h"
#include "model/Vertex2D.h"
#include "platform/CFile.h"
#include "platform/CFileException.h"
#include "platform/kernel.h"
#include "render/Renderer.h"
#include "util/BitOp.h"
#include "util/CFile64.h"
#include "view/DrawingArea.h"
