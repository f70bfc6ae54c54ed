#include <gtest/gtest.h>

#include "picture/formats/jpeg_reader.h"
