#pragma once
#include <QString>

// The files the build lays beside the program (its pictures in "img/"), as a fresh build or
// install gives them to a shop: tests of letter-size vouchers use these, never pictures of their own.
namespace ProgramFiles {

// The build folder, with its trailing "/": a program folder as the build leaves it.
QString buildFolder();
// Copies the program's pictures ("img/" of the build folder) into `folder`'s "img/"; false when
// the build left none or a copy fails.
bool copyPicturesInto(const QString& folder);

}
