#pragma once

#include "palette.h"

class QPainter;

namespace quillox::artwork {

// Symbols of everyday life.
void paintHouse(QPainter& painter, const Hue& hue);
void paintHealth(QPainter& painter, const Hue& hue);
void paintCar(QPainter& painter, const Hue& hue);
void paintTravel(QPainter& painter, const Hue& hue);
void paintFamily(QPainter& painter, const Hue& hue);
void paintShopping(QPainter& painter, const Hue& hue);
void paintPets(QPainter& painter, const Hue& hue);
void paintHobbies(QPainter& painter, const Hue& hue);

// Symbols of money, work and paperwork.
void paintMoney(QPainter& painter, const Hue& hue);
void paintWork(QPainter& painter, const Hue& hue);
void paintSchool(QPainter& painter, const Hue& hue);
void paintTax(QPainter& painter, const Hue& hue);
void paintBank(QPainter& painter, const Hue& hue);
void paintInsurance(QPainter& painter, const Hue& hue);
void paintUtilities(QPainter& painter, const Hue& hue);
void paintLegal(QPainter& painter, const Hue& hue);

} // namespace quillox::artwork
