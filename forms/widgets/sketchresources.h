#pragma once
// The drawings of the sketch and About windows live in the Qt resource
// file resources/sketch.qrc, built into the static forms library. A static
// library's resources must be registered explicitly; the windows do it
// themselves, and the program may call this early too. Safe to call again.

void initSketchResources();
