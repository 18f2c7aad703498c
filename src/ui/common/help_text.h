// The help box every face shows on F1 (both desktop programs and the page):
// what each button does.
#pragma once

inline constexpr char kHelpTitle[] = "Pastura Help";
inline constexpr char kHelpText[] =
    "Plant, Herbivore, Carnivore: add one entity of that kind on a random cell.\n"
    "Move or Start: step the world five times a second.\n"
    "Stop: stop stepping.\n"
    "ReDraw: draw the whole board again.\n"
    "Paint: paint the empty grid; the entities come back at the next step or ReDraw.\n"
    "The list shows every entity's number and its growth or energy after each step; the label "
    "counts the steps.\n"
    "Populations (context menu, or P): how many plants, herbivores and carnivores live now, and "
    "a chart of their numbers after every step.\n"
    "Step (context menu, or S): take one step, whether or not the world is stepping.";
