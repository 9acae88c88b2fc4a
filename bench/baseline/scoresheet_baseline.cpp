// The score sheet the plain way, as a whole program: a heap block per record
// in a linked list, scanf per field, printf per field, and a bubble sort that
// exchanges record contents. The measure the real program is timed against.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct student {
  char id[20];
  char name[32];
  float english, math, physics, c_score, average;
  student* next;
};

void create_list(student** head, int count) {
  student* last = static_cast<student*>(std::malloc(sizeof(student)));
  std::scanf("%19s", last->id);
  std::scanf("%31s", last->name);
  std::scanf("%f%f%f%f", &last->english, &last->math, &last->physics, &last->c_score);
  *head = last;
  while (--count > 0) {
    student* s = static_cast<student*>(std::malloc(sizeof(student)));
    std::scanf("%19s", s->id);
    std::scanf("%31s", s->name);
    std::scanf("%f%f%f%f", &s->english, &s->math, &s->physics, &s->c_score);
    last->next = s;
    last = s;
  }
  last->next = nullptr;
}

void output_list(student* head) {
  std::printf("%-15s%-20s%-10s%-10s%-10s%-10s\n", "ID", "Name", "English", "Math", "Physics", "C");
  for (student* s = head; s != nullptr; s = s->next) {
    std::printf("%-15s", s->id);
    std::printf("%-20s", s->name);
    std::printf("%-10.2f%-10.2f%-10.2f%-10.2f\n", static_cast<double>(s->english),
                static_cast<double>(s->math), static_cast<double>(s->physics),
                static_cast<double>(s->c_score));
  }
  std::putchar('\n');
}

void search_list(student* head, const char* id, const char* subject, float score) {
  for (student* s = head; s != nullptr; s = s->next) {
    if (std::strcmp(s->id, id) == 0) {
      if (std::strcmp(subject, "English") == 0) s->english = score;
      else if (std::strcmp(subject, "Math") == 0) s->math = score;
      else if (std::strcmp(subject, "Physics") == 0) s->physics = score;
      else if (std::strcmp(subject, "C") == 0) s->c_score = score;
      return;
    }
  }
}

void average_sum(student* head) {
  std::puts("SumAndAvg:");
  std::printf("%-15s%-20s%-10s%-10s\n", "ID", "Name", "SUM", "AVG");
  for (student* s = head; s != nullptr; s = s->next) {
    float total = 0.0f;
    total += s->english;
    total += s->math;
    total += s->physics;
    total += s->c_score;
    s->average = total / 4;
    std::printf("%-15s%-20s%-10.2f%-10.2f\n", s->id, s->name, static_cast<double>(total),
                static_cast<double>(s->average));
  }
  std::putchar('\n');
}

void sort(student* head, int count) {
  for (int i = 0; i < count - 1; ++i) {
    student* s = head;
    for (int k = 0; k < count - 1 - i; ++k) {
      student* t = s->next;
      if (s->average > t->average) {
        student tmp = *s;
        std::memcpy(s, t, offsetof(student, next));
        std::memcpy(t, &tmp, offsetof(student, next));
      }
      s = t;
    }
  }
  std::printf("%-15s%-20s%-10s\n", "ID", "Name", "AVG");
  for (student* s = head; s != nullptr; s = s->next) {
    std::printf("%-15s%-20s%-10.2f\n", s->id, s->name, static_cast<double>(s->average));
  }
}

}  // namespace

int main() {
  student* head = nullptr;
  int count = 0;
  int corrections = 0;
  char id[20];
  char subject[20];
  float score = 0;
  std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xb5\xc4\xd1\xa7\xc9\xfa\xc8\xcb"
              "\xca\xfd\xa3\xba");
  std::scanf("%d", &count);
  std::puts("\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xb5\xc4\xd1\xa7\xc9\xfa\xd0\xc5"
            "\xcf\xa2\xa3\xba");
  create_list(&head, count);
  output_list(head);
  std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xd0\xde\xb8\xc4\xb5\xc4\xd0\xc5\xcf\xa2\xcc\xf5"
              "\xca\xfd\xa3\xba");
  std::scanf("%d", &corrections);
  std::puts("\xc7\xeb\xb7\xd6\xb1\xf0\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xd0\xde\xb8\xc4\xd1\xa7\xc9\xfa"
            "\xb5\xc4\xd1\xa7\xba\xc5\xa3\xac\xbf\xc6\xc4\xbf\xba\xcd\xb3\xc9\xbc\xa8\xa3\xba");
  while (corrections-- > 0) {
    std::scanf("%19s%19s%f", id, subject, &score);
    search_list(head, id, subject, score);
  }
  std::puts("Alter:");
  output_list(head);
  average_sum(head);
  std::puts("Sort:");
  sort(head, count);
  return 0;
}
