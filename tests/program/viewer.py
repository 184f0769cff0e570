    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

B    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

Z    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

B    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

Z    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

B    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

q    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

4    def running_players(self):
        return running_players(self.log_dir)

8    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

9    def running_players(self):
        return running_players(self.log_dir)

6    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

6    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

6    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

4    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

<    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

V    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

z    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

X    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

#    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

B    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

Y    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

6    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

6    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

@    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

+    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

<    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

;    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

j    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

{    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

}    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

!    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

Z    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

5    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

#    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

*    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

`    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

K    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

D    def running_players(self):
        return running_players(self.log_dir)

G    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

R    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

O    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

F    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

7    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

{    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

!    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

}    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

{    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

}    def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

{    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

}    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

\    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

{    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

}    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

y    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

3    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

1    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

#    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

w    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

N    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

P    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

E    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

W    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

H    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

M    def running_players(self):
        return running_players(self.log_dir)

U    def running_players(self):
        return running_players(self.log_dir)

L    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

I    def running_players(self):
        return running_players(self.log_dir)

C    def running_players(self):
        return running_players(self.log_dir)

A    def running_players(self):
        return running_players(self.log_dir)

S    def running_players(self):
        return running_players(self.log_dir)

T    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

[    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

b    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

h    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

-    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

,    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

k    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

m    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

p    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

a    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

2    def running_players(self):
        return running_players(self.log_dir)

4    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

/    def running_players(self):
        return running_players(self.log_dir)

4    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

v    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

l    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

&    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

x    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

c    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

$    def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

$    def running_players(self):
        return running_players(self.log_dir)

@    def running_players(self):
        return running_players(self.log_dir)

"    def running_players(self):
        return running_players(self.log_dir)

'    def running_players(self):
        return running_players(self.log_dir)

]    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

f    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

_    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

:    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

r    def running_players(self):
        return running_players(self.log_dir)

n    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

o    def running_players(self):
        return running_players(self.log_dir)

s    def running_players(self):
        return running_players(self.log_dir)

.    def running_players(self):
        return running_players(self.log_dir)

g    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

t    def running_players(self):
        return running_players(self.log_dir)

e    def running_players(self):
        return running_players(self.log_dir)

u    def running_players(self):
        return running_players(self.log_dir)

i    def running_players(self):
        return running_players(self.log_dir)

d    def running_players(self):
        return running_players(self.log_dir)

(    def running_players(self):
        return running_players(self.log_dir)

)    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

=    def running_players(self):
        return running_players(self.log_dir)

     def running_players(self):
        return running_players(self.log_dir)

0    def running_players(self):
        return running_players(self.log_dir)


    def running_players(self):
        return running_players(self.log_dir)

