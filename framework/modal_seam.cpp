#include "modal_seam.h"

namespace {
ModalSeam* g_pSeam = nullptr;
}

void SetModalSeam(ModalSeam* pSeam) { g_pSeam = pSeam; }

ModalSeam* CurrentModalSeam() { return g_pSeam; }
