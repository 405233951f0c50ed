#pragma once

#include "catalogue/Problems.h"

// Each area's problems, beside its topics (catalogue/<Area>Problems.cpp).
namespace Cinematica { extern const std::span<const Problems::TopicProblems> problems; }
namespace Dinamica { extern const std::span<const Problems::TopicProblems> problems; }
namespace Hidrostatica { extern const std::span<const Problems::TopicProblems> problems; }
namespace Termologia { extern const std::span<const Problems::TopicProblems> problems; }
namespace Optica { extern const std::span<const Problems::TopicProblems> problems; }
namespace Eletrostatica { extern const std::span<const Problems::TopicProblems> problems; }
namespace Ondas { extern const std::span<const Problems::TopicProblems> problems; }
namespace Eletrodinamica { extern const std::span<const Problems::TopicProblems> problems; }
