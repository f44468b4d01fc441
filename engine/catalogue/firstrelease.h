#pragma once
// The catalogue the first release (1.0) shipped, as a manifest: a user's
// catalogue without a manifest was made by that release as a copy of these
// files. Taken from the data/ folder of the 1.0 sources; never to change.

inline constexpr const char* kFirstReleaseFiles = "5c117b745f077478 12Х18Н10Т.dat\n"
                                                  "9988eb99d0b94244 12Х18Н10Тmat.dat\n"
                                                  "ad92dd14fba32edc 40Х13.dat\n"
                                                  "44f300cb9e0a26ac 40Х13mat.dat\n"
                                                  "ad92dd14fba32edc 50ХФА.dat\n"
                                                  "c3d251700872b192 50ХФАmat.dat\n"
                                                  "ad92dd14fba32edc 51ХФА.dat\n"
                                                  "1205b3a19bc55a9f 51ХФАmat.dat\n"
                                                  "ad92dd14fba32edc 60С2А.dat\n"
                                                  "54a228d8035a9189 60С2Аmat.dat\n"
                                                  "85b87c4739bf0069 README.md\n"
                                                  "5669ff52fc8bb919 k3.dat\n"
                                                  "1710e8370026e0e6 material.dat\n"
                                                  "5c31411d0b34fe6c sigmab.dat\n"
                                                  "919757866de66b2a sigmdiam.dat\n"
                                                  "f9fa29c84a65bff7 tau1.dat\n"
                                                  "de129805ac48143a tau2.dat\n"
                                                  "95970b8a72274e19 БрБ2.dat\n"
                                                  "a7d7bee12f04a650 БрБ2mat.dat\n"
                                                  "95970b8a72274e19 БрКМц3-1.dat\n"
                                                  "4e6aa07a38d1ab88 БрКМц3-1mat.dat\n"
                                                  "95970b8a72274e19 БрОЦ4-3.dat\n"
                                                  "c129cf5da9b80d44 БрОЦ4-3mat.dat\n"
                                                  "d6b6a86cea565808 Проволока I класса.dat\n"
                                                  "eb18d5f19388d1a6 Проволока I классаmat.dat\n"
                                                  "d6b6a86cea565808 Проволока II класса.dat\n"
                                                  "e29156f18ebdb295 Проволока II классаmat.dat\n"
                                                  "95970b8a72274e19 ХН77ТЮР.dat\n"
                                                  "0f12e63fb79451af ХН77ТЮРmat.dat\n";
