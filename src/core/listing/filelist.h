#pragma once

#include "listing/file.h"
#include "listing/keyedcollection.h"

/** The listed files of one folder, in search order. */
class FileList : public KeyedCollection<File> {};
