#include "engine/workspace.h"
