// The settings window's page of recordings on the offscreen platform.
#include <gtest/gtest.h>
