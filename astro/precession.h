#pragma once

#include "astro/vector3.h"

namespace astro {

// Given: T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: the rotation from the mean equator and equinox of J2000.0 to the
// mean equator and equinox of date, IAU 2006 precession (Capitaine, Wallace
// and Chapront 2003, A&A 412, 567): R3(chi_A) R1(-omega_A) R3(-psi_A) R1(eps_0).
// Notes: the frame bias between the ICRS and the J2000 frame (23 mas) is left out.
Matrix3 PrecessionMatrix(double T);

// Given: T, Julian centuries of Terrestrial Time from J2000.0.
// Returned: the rotation from the mean to the true equator and equinox of
// date, R1(-(eps_A + delta eps)) R3(-delta psi) R1(eps_A), with the mean
// obliquity of IAU 2006 and the nutation of NutationIau1980.
Matrix3 NutationMatrix(double T);

}  // namespace astro
