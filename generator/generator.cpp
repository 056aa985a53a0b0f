#include "generator.h"
