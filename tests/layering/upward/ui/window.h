// Included from below; never compiled.
#pragma once
