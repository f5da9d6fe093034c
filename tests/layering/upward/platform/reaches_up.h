// A lower layer that reaches up: the layering check must fail on this tree.
#pragma once
#include "ui/window.h"
