#!/usr/bin/perl
# Compares the checks that the manual page lists (its headings "Check N") with the check
# numbers that the program can report: the number that each throwAssertion call of the sources
# passes. Where a call passes a parameter of the function around it, the numbers are those
# that the calls of that function pass in that place. A call whose number is neither fails the
# test, and so does an EAssertion made anywhere but through throwAssertion.
#
#   check_list.pl PAGE FOLDER...   (the folders of the program's sources)
use strict;
use warnings;

my ($page, @folders) = @ARGV;
die "usage: check_list.pl PAGE FOLDER...\n" unless @folders;

# The source text without comments, and with every string and character literal emptied.
sub code_of {
  my ($path) = @_;
  open(my $in, '<', $path) or die "$path: $!\n";
  local $/;
  my $text = <$in>;
  $text =~ s{//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*'}{
    my $piece = $&;
    $piece =~ m{^/} ? "\n" x ($piece =~ tr/\n//) : substr($piece, 0, 1) x 2
  }gse;
  return $text;
}

# The arguments of the call whose opening parenthesis is at `open` in `code`, split at the
# commas of its own level.
sub arguments_at {
  my ($code, $open) = @_;
  my ($depth, $start, @arguments) = (0, $open + 1);
  for (my $i = $open; $i < length $code; $i++) {
    my $c = substr($code, $i, 1);
    $depth++ if $c =~ /[([{]/;
    $depth-- if $c =~ /[)\]}]/;
    if (($depth == 1 && $c eq ',') || $depth == 0) {
      (my $argument = substr($code, $start, $i - $start)) =~ s/^\s+|\s+$//g;
      push @arguments, $argument;
      $start = $i + 1;
      return @arguments if $depth == 0;
    }
  }
  die "an unclosed call\n";
}

# The name and the parameter names of the function whose body holds position `at`.
sub enclosing_function {
  my ($code, $at) = @_;
  my $before = substr($code, 0, $at);
  my ($name, $parameters);
  while ($before =~ /\b(\w+)\s*\(([^()]*)\)\s*(?:const\s*)?\{/g) {
    ($name, $parameters) = ($1, $2) unless $1 =~ /^(?:if|for|while|switch|catch)$/;
  }
  return (undef) unless defined $name;
  my @names = map { /(\w+)\s*$/ ? $1 : '' } split /,/, $parameters;
  return ($name, @names);
}

my @sources;
for my $folder (@folders) {
  push @sources, grep { !/_test\.cpp$/ } glob("$folder/*.cpp $folder/*.h");
}
my %code = map { $_ => code_of($_) } @sources;

my (%numbers, %passed_on, @problems);
for my $path (@sources) {
  my $code = $code{$path};
  push @problems, "$path: an EAssertion made directly"
      if $path !~ m{/textio/assertion\.(?:cpp|h)$} && $code =~ /\bEAssertion\s*[({]/;
  while ($code =~ /(?<![\w:])throwAssertion\s*\(/g) {
    my $open = pos($code) - 1;
    next if substr($code, 0, $open) =~ /\bvoid\s+throwAssertion\s*$/;
    my $number = (arguments_at($code, $open))[-1];
    if ($number =~ /^\d+$/) {
      $numbers{$number} = 1;
      next;
    }
    my ($function, @parameters) = enclosing_function($code, $open);
    my ($index) = grep { $parameters[$_] eq $number } 0 .. $#parameters;
    if (defined $index) {
      $passed_on{$function} = $index;
    } else {
      push @problems, "$path: a throwAssertion whose check number is \"$number\"";
    }
  }
}
for my $function (sort keys %passed_on) {
  my $calls = 0;
  for my $path (@sources) {
    my $code = $code{$path};
    while ($code =~ /(?<![\w:])\Q$function\E\s*\(/g) {
      my $open = pos($code) - 1;
      next if substr($code, 0, $open) =~ /\b(?:void|int32_t|bool)\s+\Q$function\E\s*$/;
      my $number = (arguments_at($code, $open))[$passed_on{$function}];
      $calls++;
      if (defined $number && $number =~ /^\d+$/) {
        $numbers{$number} = 1;
      } else {
        push @problems, "$path: a call of $function that passes no check number";
      }
    }
  }
  push @problems, "$function passes a check number on, but nothing calls it" if $calls == 0;
}

open(my $in, '<', $page) or die "$page: $!\n";
my %listed;
while (<$in>) {
  next unless /^\.SS "?Check (\d+)\b/;
  push @problems, "$page: check $1 is listed twice" if $listed{$1}++;
}

my $program_list = join(' ', sort { $a <=> $b } keys %numbers);
my $page_list = join(' ', sort { $a <=> $b } keys %listed);
push @problems, "the program reports: $program_list\nthe page lists:      $page_list"
    if $program_list ne $page_list;
if (@problems) {
  print "FAIL: $_\n" for @problems;
  exit 1;
}
print scalar(keys %numbers) . " checks, each listed once: $page_list\n";
