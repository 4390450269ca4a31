// What the tariffication module exports: its entry class and what the
// personnel module, which links it, calls. Everything else stays hidden.
#pragma once

#define NVENZOL_EXPORT __attribute__((visibility("default")))
