#pragma once
// Which of its two pictures a board button, control or icon shows, and the three marks.
enum class Picture { Up, Down };
enum class MarkKind { No, Yes, Time };  // wrong button, due button, due at time-out
