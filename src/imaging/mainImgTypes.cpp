#include "imaging/mainImgTypes.h"
